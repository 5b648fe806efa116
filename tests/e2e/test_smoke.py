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
        # The button is drawn: its pixels differ from the empty black screen
        # (once the first paint has reached the screen).
        def brightest():
            shot = program.screenshot(os.path.join(program.folder, "screen.png"))
            crop = subprocess.run(["convert", shot, "-crop", "35x35+%d+%d" % (x + 1, y + 1),
                                   "-format", "%[fx:maxima.r+maxima.g+maxima.b]", "info:"],
                                  check=True, stdout=subprocess.PIPE, text=True).stdout
            return float(crop)
        plk.wait_for(lambda: brightest() > 0.0, what="the button's picture on the screen")
        self.assertTrue(program.running())


if __name__ == "__main__":
    plk.main()
