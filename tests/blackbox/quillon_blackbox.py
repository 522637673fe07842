"""Helpers for black-box tests: a staged copy of the program, the qdrive driver run
under Wine, and screenshots of the X display."""

import os
import shutil
import subprocess
from pathlib import Path

SOURCE = Path(os.environ.get("QUILLON_SOURCE_DIR", Path(__file__).resolve().parents[2]))
BIN = Path(os.environ.get("QUILLON_BIN", SOURCE / "build" / "windows" / "bin"))
OUTPUT = Path(os.environ.get("QUILLON_TEST_OUTPUT", SOURCE / "build" / "test-output")) / "blackbox"
WINE_EXEC = SOURCE / "tools" / "wine-exec"

PROGRAM_FILES = ("quillon.exe", "QRES.DLL", "langen.dll")


def windows_path(path):
    """Wine's Z: drive is the Unix root."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


class Stage:
    """A fresh program folder for one test, with the program's files (or some left out)."""

    def __init__(self, name, leave_out=()):
        self.folder = OUTPUT / name
        shutil.rmtree(self.folder, ignore_errors=True)
        self.folder.mkdir(parents=True)
        for file in PROGRAM_FILES:
            if file not in leave_out:
                shutil.copy2(BIN / file, self.folder / file)

    @property
    def exe(self):
        return windows_path(self.folder / "quillon.exe")

    def files(self):
        return sorted(str(p.relative_to(self.folder)) for p in self.folder.rglob("*"))


class DriverError(AssertionError):
    pass


class Driver:
    """An interactive qdrive session: each `send` runs one command and returns its value.
    A failing command raises DriverError with the whole transcript. Leaving the session
    ends the program if it still runs."""

    def __init__(self, timeout=120):
        self.timeout = timeout
        self.transcript = []
        self.process = subprocess.Popen([str(WINE_EXEC), str(BIN / "qdrive.exe")], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def send(self, command):
        """Runs `command`; returns its value (the text after "ok <command>: "), and for
        dump the list of child lines."""
        self.process.stdin.write((command + "\n").encode("utf-8"))
        self.process.stdin.flush()
        extra = []
        while True:
            raw = self.process.stdout.readline()
            if not raw:
                raise DriverError(self._story("driver ended"))
            line = raw.decode("utf-8", "replace").rstrip("\r\n")
            self.transcript.append(line)
            if line.startswith("ok "):
                value = line.split(": ", 1)[1] if ": " in line else ""
                return extra if command.startswith("dump") else value
            if line.startswith("fail "):
                raise DriverError(self._story(line))
            extra.append(line)

    def close(self):
        if self.process.poll() is None:
            try:
                self.process.stdin.write(b"kill\n")
                self.process.stdin.close()
            except OSError:
                pass
            try:
                self.process.wait(timeout=self.timeout)
            except subprocess.TimeoutExpired:
                self.process.kill()

    def _story(self, what):
        return what + "\n" + "\n".join(self.transcript)


def screenshot(name):
    """Saves what the X display shows as a PNG under the test output folder."""
    OUTPUT.mkdir(parents=True, exist_ok=True)
    target = OUTPUT / (name + ".png")
    subprocess.run(["import", "-window", "root", str(target)], check=True, timeout=60)
    return target
