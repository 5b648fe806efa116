"""Start-up: the default place, the autostart value, settings read but never written at start."""

import os
import random
import subprocess
import time
import unittest

import plk

SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 1024


class StartUp(plk.PlinketyTestCase):
    def setUp(self):
        plk.delete_run_values()
        self.addCleanup(plk.delete_run_values)

    def assert_default_place(self, program):
        x, y, width, height = program.geometry()
        self.assertEqual((width, height), (37, 37))
        # 50 pixels in from the right and above the bottom, or above a taskbar
        # there (Wine has none to report; its work area may leave a pixel).
        self.assertEqual(x, SCREEN_WIDTH - 50)
        self.assertTrue(SCREEN_HEIGHT - 50 - 60 <= y <= SCREEN_HEIGHT - 50, y)

    def test_first_start_without_settings(self):
        program = self.new_program().start()
        self.assert_default_place(program)
        self.assertEqual(plk.reg_value("HKCU", plk.RUN_KEY, "Plinkety"), plk.windows_path(program.exe))
        self.assertIsNone(plk.reg_value("HKLM", plk.RUN_KEY, "Plinkety"))
        self.assertEqual(program.message_boxes(), [])
        program.exit()
        self.assertIsNone(program.read_settings(), "an unmoved first start writes no settings")

    def test_existing_current_user_value_is_left_alone(self):
        plk.wine_reg("add", "HKCU\\" + plk.RUN_KEY, "/v", "Plinkety", "/d", "C:\\elsewhere\\plinkety.exe", "/f")
        program = self.new_program().start()
        self.assertEqual(plk.reg_value("HKCU", plk.RUN_KEY, "Plinkety"), "C:\\elsewhere\\plinkety.exe")
        program.menu("o", "c")  # "Start with &current user" rewrites it with this path
        self.assertEqual(plk.reg_value("HKCU", plk.RUN_KEY, "Plinkety"), plk.windows_path(program.exe))

    def test_garbage_settings_start_with_defaults(self):
        program = self.new_program()
        garbage = ("[General]\nstayontop=maybe\nschema=0xZZ\nclinvert=\x01\x02\nautostart=two\n"
                   "hotkey=" + "Q" * 5000 + "\nhotkeypa=Ctrl+Nonsense\nposX=left\nposY=$\n"
                   "[General\n=\nnoise without equals\n")
        program.write_settings(garbage)
        before = program.read_settings()
        program.start()
        self.assert_default_place(program)
        self.assertEqual(program.message_boxes(), [])
        self.assertTrue(program.running())
        self.assertEqual(program.read_settings(), before, "nothing is written at start")
        # autostart fell back to mode 2: the current user's value was written.
        self.assertEqual(plk.reg_value("HKCU", plk.RUN_KEY, "Plinkety"), plk.windows_path(program.exe))
        # stayontop fell back to true: the menu item turns it off.
        program.menu("o", "t")
        program.wait_settings({"stayontop": "0"}, whole=False)

    def test_broken_settings_files_never_stop_the_program(self):
        """Random bytes, absurd values, keys outside their section and a file
        that cannot be written: each start shows the button and goes on."""
        program = self.new_program()
        # Marked as UTF-16, which the profile functions then decode, and of an odd length.
        noise = b"\xff\xfe" + bytes(random.Random(12).randrange(256) for _ in range(4095))
        absurd = ("[General]\r\nposX=2147483647\r\nposY=-2147483648\r\nschema=-1\r\nclinvert=-2147483648\r\n"
                  "autostart=-5\r\nhotkey=" + "Ctrl+" * 800 + "\r\nhotkeypa=" + "^" * 3999 + "P\r\n"
                  "stayontop=0\r\nstayontop=1\r\n[General]\r\nschema=9\r\n").encode()
        outside = b"posX=100\r\nposY=100\r\nautostart=0\r\n[Other]\r\nschema=2\r\n"
        for name, contents, defaults in (("random bytes", noise, True), ("absurd values", absurd, False),
                                         ("no General section", outside, True)):
            with self.subTest(name):
                program.kill()  # the last case's, even when it failed
                plk.delete_run_values()
                with open(program.settings_path, "wb") as out:
                    out.write(contents)
                program.start(wait=defaults)
                if defaults:
                    self.assert_default_place(program)
                    self.assertEqual(plk.reg_value("HKCU", plk.RUN_KEY, "Plinkety"), plk.windows_path(program.exe))
                else:
                    # Placed far off the screen, the button is shown where X shows nothing:
                    # found among the hidden windows, and given time to finish its start.
                    program.window = program.wait_play_button(visible_only=False)
                    time.sleep(3)
                self.assertTrue(program.running())
                self.assertEqual(program.message_boxes(), [])
                program.kill()
                with open(program.settings_path, "rb") as f:
                    self.assertEqual(f.read(), contents, "nothing is written at start")

        # Read-only (immutable refuses writers even to root): a setting chosen
        # from the menu reports the failed write, and the program goes on.
        program.kill()
        program.write_settings("[General]\nautostart=0\n")
        if subprocess.run(["chattr", "+i", program.settings_path], stderr=subprocess.DEVNULL).returncode != 0:
            self.skipTest("this file system cannot make a file immutable")
        self.addCleanup(subprocess.run, ["chattr", "-i", program.settings_path])
        program.start()
        unable = "Unable to write to %s." % plk.windows_path(program.settings_path)
        program.menu("t", "r")  # Green
        self.assertEqual(program.wait_message_box(0), unable)
        program.answer_error_box("Return")
        program.menu("o", "t")  # Always on top
        self.assertEqual(program.wait_message_box(1), unable)
        program.answer_error_box("Return")
        self.assertTrue(program.running())
        # A moved button's place cannot be saved at exit either: said, then the program ends.
        program.drag_button(-60, -60)
        program.menu("x")
        self.assertEqual(program.wait_message_box(2), unable)
        program.answer_error_box("Return")
        program.wait_exit()

    def test_saved_position_in_hex_is_used_and_not_rewritten(self):
        program = self.new_program()
        program.write_settings("[General]\nposX=$64\nposY=0x96\nautostart=0\n")
        before = program.read_settings()
        program.start()
        self.assertEqual(program.geometry(), (100, 150, 37, 37))
        self.assertIsNone(plk.reg_value("HKCU", plk.RUN_KEY, "Plinkety"), "mode 0 touches no Run value")
        program.exit()
        self.assertEqual(program.read_settings(), before)

    def test_position_on_no_screen_gives_the_default_place_and_stays_saved(self):
        program = self.new_program()
        program.write_settings("[General]\nposX=-5000\nposY=100\nautostart=0\n")
        before = program.read_settings()
        program.start()
        self.assert_default_place(program)
        program.exit()
        self.assertEqual(program.read_settings(), before, "an unmoved button saves nothing")

    def test_position_partly_on_screen_is_used(self):
        program = self.new_program()
        # 10 of the 37 columns and 24 of the rows on the screen.
        program.write_settings("[General]\nposX=%d\nposY=%d\nautostart=0\n" % (SCREEN_WIDTH - 10, SCREEN_HEIGHT - 24))
        program.start()
        self.assertEqual(program.geometry(), (SCREEN_WIDTH - 10, SCREEN_HEIGHT - 24, 37, 37))

    def face_spread(self, program):
        """How much the 35 x 35 face varies: 0 for a blank face."""
        x, y, _, _ = program.geometry()
        shot = program.screenshot(os.path.join(program.folder, "face.png"))
        return float(subprocess.run(["convert", shot, "-crop", "35x35+%d+%d" % (x + 1, y + 1),
                                     "-format", "%[fx:standard_deviation]", "info:"],
                                    check=True, stdout=subprocess.PIPE, text=True).stdout)

    def test_theme_outside_the_strip_draws_no_picture(self):
        program = self.new_program()
        program.write_settings("[General]\nschema=7\nautostart=0\n")
        program.start()
        self.assertEqual(self.face_spread(program), 0.0, "a blank face inside the frame")
        self.assertTrue(program.running())
        program.kill()
        program.write_settings("[General]\nschema=2\nautostart=0\n")
        program.start()
        # The window is mapped before its first paint, which a busy machine can delay.
        plk.wait_for(lambda: self.face_spread(program) > 0.0, timeout=10, interval=0.5,
                     what="the Blue picture to be drawn")


if __name__ == "__main__":
    plk.main()
