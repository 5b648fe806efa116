"""The files the program writes beside itself stay hard-linked, as Scoop's
persist folder keeps them across an update: settings.ini and plkindex.dat
live in a second folder, the program's folder holds links to them, and every
change the program makes is seen through the other name."""

import os
import shutil
import tempfile
import unittest

import plk
import test_rebuild


def text(path):
    with open(path, encoding="latin-1") as f:
        return f.read()


class HardLinks(plk.PlinketyTestCase):
    def setUp(self):
        plk.delete_run_values()
        self.addCleanup(plk.delete_run_values)

    def link_from_persist(self, program, earlier):
        """Puts each file into a persist folder beside the program's and links
        it into the program's folder; returns {name: path in the persist folder}."""
        persist = tempfile.mkdtemp(prefix="persist-", dir=os.path.dirname(program.folder))
        self.addCleanup(lambda: os.environ.get("PLINKETY_KEEP_E2E") or shutil.rmtree(persist, True))
        kept = {}
        for name, data in earlier.items():
            kept[name] = os.path.join(persist, name)
            with open(kept[name], "wb") as out:
                out.write(data)
            os.link(kept[name], os.path.join(program.folder, name))
        return kept

    def assert_still_linked(self, program, kept):
        for name, path in kept.items():
            with self.subTest(file=name):
                beside = os.stat(os.path.join(program.folder, name))
                self.assertEqual((beside.st_ino, beside.st_nlink), (os.stat(path).st_ino, 2),
                                 "%s beside the program is still the persisted file" % name)

    def test_theme_moved_button_and_rebuild_are_seen_through_the_links(self):
        program = self.new_program()
        music = test_rebuild.Rebuild.make_music(self, program)
        kept = self.link_from_persist(program, {
            # What an earlier version left: a hotkey that must survive the writes.
            "settings.ini": b"[General]\r\nautostart=0\r\nhotkeypa=Ctrl+Alt+F12\r\n",
            "plkindex.dat": plk.make_record(1, "C:\\earlier.mp3"),
        })
        program.start()

        program.menu("t", "g")  # Gray
        plk.wait_for(lambda: "schema=1" in text(kept["settings.ini"]), what="the theme through the link")

        program.drag_button(-300, -200)
        moved_x, moved_y, _, _ = program.geometry()

        seen = len(program.message_boxes())
        test_rebuild.Rebuild.start_rebuild(self, program, music)
        self.assertEqual(program.wait_message_box(seen, timeout=60),
                         "Your new music library has been built.\r\n\r\n3 music files found.")
        program.answer_box("Information", "Return")
        self.assertEqual(test_rebuild.read_index(kept["plkindex.dat"]),
                         [(1, music + "\\top.flac"), (2, music + "\\Album\\one.mp3"),
                          (3, music + "\\Album\\two.ogg")])

        program.exit()
        settings = text(kept["settings.ini"]).splitlines()
        for line in ("posX=%d" % moved_x, "posY=%d" % moved_y, "schema=1", "hotkeypa=Ctrl+Alt+F12"):
            self.assertIn(line, settings)
        self.assert_still_linked(program, kept)


if __name__ == "__main__":
    plk.main()
