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


if __name__ == "__main__":
    unittest.main()
