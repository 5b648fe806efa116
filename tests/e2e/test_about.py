"""The About dialog of the real program: the banner as the JPEG decodes,
clipped at its place, and the two links under the pointer."""

import os
import unittest

import plk

BANNER = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "banner.jpg")
BANNER_SIZE = (500, 150)
IMAGE1 = (-20, -8)  # where the banner sits in the client area
CLIENT = (449, 258)
NAVY, BLUE = (0, 0, 128), (0, 0, 255)
WEB = (20, 171, 133, 13)   # Label4 in the client area
MAIL = (20, 191, 152, 13)  # Label5


def pixels(data):
    return [tuple(data[i:i + 3]) for i in range(0, len(data), 3)]


class About(plk.PlinketyTestCase):
    def setUp(self):
        self.addCleanup(plk.delete_run_values)

    def shot(self, program):
        return program.screenshot(os.path.join(program.folder, "about.png"))

    def link_colours(self, program, x, y, rect):
        data = plk.screen_pixels(self.shot(program), x + rect[0], y + rect[1], rect[2], rect[3])
        return set(pixels(data)) & {NAVY, BLUE}

    def test_banner_and_links(self):
        program = self.new_program()
        program.write_settings("[General]\nautostart=0\n")
        program.start()
        program.menu("b")
        about = program.wait_window("About")
        x, y, width, height = program.geometry(about)
        self.assertEqual((width, height), CLIENT)

        # Unscaled at (-20, -8): the client area shows columns 20 to 468 and
        # rows 8 to 149 of the picture, as another decoder makes them.
        seen_w, seen_h = CLIENT[0], BANNER_SIZE[1] + IMAGE1[1]
        screen = pixels(plk.screen_pixels(self.shot(program), x, y, seen_w, seen_h + 1))
        reference = pixels(plk.screen_pixels(BANNER, -IMAGE1[0], -IMAGE1[1], seen_w, seen_h))
        banner_part = screen[:seen_w * seen_h]
        worst = max(abs(a - b) for p, q in zip(banner_part, reference) for a, b in zip(p, q))
        self.assertLessEqual(worst, 2, "the banner differs from the JPEG's own decode")
        self.assertEqual(len(banner_part), len(reference))
        below = screen[seen_w * seen_h:]
        self.assertEqual(len(set(below)), 1, "below the banner lies the dialog's plain face")

        # The links are navy, blue under the pointer, and open their addresses.
        for rect, address in ((WEB, "https://plinkety.example.org/"),
                              (MAIL, "mailto:plinkety@example.org?subject=About")):
            self.assertEqual(self.link_colours(program, x, y, rect), {NAVY})
            program.click(x + rect[0] + 4, y + rect[1] + 6)
            plk.wait_for(lambda: self.link_colours(program, x, y, rect) == {BLUE}, what="a blue link")
            plk.wait_for(lambda: address in program.opened_files(), what="the shell to open " + address)
            program.click(x + 300, y + 200)  # off the link
            plk.wait_for(lambda: self.link_colours(program, x, y, rect) == {NAVY}, what="a navy link")
        self.assertEqual(program.opened_files(), ["https://plinkety.example.org/",
                                                  "mailto:plinkety@example.org?subject=About"])


if __name__ == "__main__":
    plk.main()
