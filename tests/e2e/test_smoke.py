"""The program starts under Wine and shows its Play button."""

import os
import subprocess
import unittest

import plk


class StartUp(plk.PlinketyTestCase):
    def test_shows_the_play_button(self):
        program = self.new_program().start()
        x, y, width, height = program.geometry()
        self.assertEqual((width, height), (37, 37))
        # The button is drawn: its pixels differ from the empty black screen.
        # The window is mapped before its first paint, which a busy machine
        # can delay.
        def brightest():
            shot = program.screenshot(os.path.join(program.folder, "screen.png"))
            return float(subprocess.run(["convert", shot, "-crop", "35x35+%d+%d" % (x + 1, y + 1),
                                         "-format", "%[fx:maxima.r+maxima.g+maxima.b]", "info:"],
                                        check=True, stdout=subprocess.PIPE, text=True).stdout)
        plk.wait_for(lambda: brightest() > 0.0, timeout=10, interval=0.5, what="the button to be drawn")
        self.assertTrue(program.running())


if __name__ == "__main__":
    plk.main()
