"""Start-up and shutdown of the real quillon.exe under Wine."""

import getpass
import unittest

from quillon_blackbox import Driver, Stage, screenshot

MISSING = "A Quillon DLL is missing! Please reinstall!"


class StartupTest(unittest.TestCase):
    def test_starts_shows_the_main_window_and_ends_on_close(self):
        stage = Stage("starts-and-closes")
        with Driver() as d:
            d.send(f"launch {stage.exe}")
            self.assertEqual(d.send("wait-window QUILLON 60"), "Quillon")
            screenshot("main-window")
            d.send("close")
            self.assertEqual(d.send("wait-exit 30"), "0")

    def test_portable_mode_keeps_settings_folders_beside_the_program(self):
        stage = Stage("portable")
        with Driver() as d:
            d.send(f"launch {stage.exe}")
            d.send("wait-window QUILLON 60")
            d.send("close")
            d.send("wait-exit 30")
        self.assertTrue((stage.folder / "CFG").is_dir())
        self.assertTrue((stage.folder / "UCFG" / getpass.getuser()).is_dir())
        # Both settings files exist after a normal exit, even though there were none.
        self.assertTrue((stage.folder / "CFG" / "quillon.xml").is_file())
        self.assertTrue((stage.folder / "UCFG" / getpass.getuser() / "quillon.xml").is_file())

    def test_a_missing_resource_module_ends_with_the_message(self):
        for missing in ("QRES.DLL", "langen.dll"):
            with self.subTest(missing=missing), Driver() as d:
                stage = Stage("missing-" + missing.lower(), leave_out=(missing,))
                d.send(f"launch {stage.exe}")
                d.send("wait-dialog 60")
                texts = d.send("dump")
                self.assertTrue(any(line.endswith(" " + MISSING) for line in texts), texts)
                d.send("click 2")
                self.assertEqual(d.send("wait-exit 30"), "0")
                self.assertEqual([f for f in stage.files() if f.endswith(".xml")], [])


def run_once(stage):
    with Driver() as d:
        d.send(f"launch {stage.exe}")
        d.send("wait-window QUILLON 60")
        d.send("close")
        return d.send("wait-exit 30")


def user_settings(stage):
    folder = stage.folder / "UCFG" / getpass.getuser()
    folder.mkdir(parents=True, exist_ok=True)
    return folder / "quillon.xml"


def settings_text(language_tag, extra=""):
    """A user settings file whose Language element is `language_tag` as written."""
    return ('<?xml version="1.0" encoding="UTF-8" standalone="yes" ?>\n'
            '<settings>\n\t<General>\n\t\t' + language_tag + '\n\t</General>\n' + extra + '</settings>\n')


class SettingsTest(unittest.TestCase):
    def test_a_language_module_that_does_not_exist_falls_back_to_langen(self):
        stage = Stage("language-fallback")
        user_settings(stage).write_text(settings_text('<Language dllfile="langxx.dll"/>'))
        self.assertEqual(run_once(stage), "0")

    def test_settings_are_rewritten_with_what_was_read(self):
        stage = Stage("settings-kept")
        user_settings(stage).write_text(settings_text('<Language dllfile="langen.dll" />', '\t<Window left="10" />\n'))
        self.assertEqual(run_once(stage), "0")
        saved = user_settings(stage).read_text()
        for piece in ('<settings>', 'dllfile="langen.dll"', '<Window left="10"'):
            self.assertIn(piece, saved)

    def test_settings_that_did_not_load_completely_are_left_alone(self):
        stage = Stage("settings-broken")
        # The Language element's end tag is missing.
        broken = settings_text('<Language dllfile="langen.dll">', '\t<Window left="10" />\n')
        user_settings(stage).write_text(broken)
        self.assertEqual(run_once(stage), "0")
        self.assertEqual(user_settings(stage).read_text(), broken)


if __name__ == "__main__":
    unittest.main()
