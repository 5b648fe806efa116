"""Rebuilding the library through the real dialog: the menu, a typed folder,
Start, the completion box, then a click on the Play button opens a song of
the new index."""

import os
import struct
import time
import unittest

import plk

TITLE = "Rebuild Music Library"


def read_index(path):
    """(number, path) of each whole record of an index file."""
    with open(path, "rb") as f:
        data = f.read()
    records = []
    for at in range(0, len(data) - len(data) % plk.RECORD_SIZE, plk.RECORD_SIZE):
        number, length = struct.unpack_from("<iB", data, at)
        records.append((number, data[at + 5:at + 5 + length].decode("latin-1")))
    return records


class Rebuild(plk.PlinketyTestCase):
    def make_music(self, program):
        music = os.path.join(program.folder, "music")
        for name in ("Album/one.mp3", "Album/two.ogg", "top.flac", "notes.txt"):
            path = os.path.join(music, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as out:
                out.write(b"plk")
        return plk.windows_path(music)

    def start_rebuild(self, program, folder):
        """Opens the dialog from the menu, types folder and presses Enter."""
        program.menu("o", "b")  # Options, Rebuild music library...
        dialog = program.wait_window(TITLE)
        # Without a window manager X cannot tell when the dialog has the
        # keyboard; Wine gives it with the activation, just after the map.
        time.sleep(0.5)
        # The Search in box has the focus and reads C:\ ; the folder is typed
        # without a trailing backslash.
        program.key("End", "BackSpace", "BackSpace", "BackSpace")
        program.type_text(folder)
        program.key("Return")  # after the typed keys, in the same queue  # Start is the default button
        return dialog

    def test_rebuild_from_the_menu_then_play_a_song_of_the_new_index(self):
        program = self.new_program()
        music = self.make_music(program)
        program.start()
        seen = len(program.message_boxes())
        dialog = self.start_rebuild(program, music)

        text = program.wait_message_box(seen, timeout=60)
        self.assertEqual(text, "Your new music library has been built.\r\n\r\n3 music files found.")
        program.answer_box("Information", "Return")
        found = read_index(program.index_path)
        self.assertEqual(found, [(1, music + "\\top.flac"), (2, music + "\\Album\\one.mp3"),
                                 (3, music + "\\Album\\two.ogg")])

        # Close (264, 224, 75 x 25 in the client area) only hides the dialog.
        x, y, _, _ = program.geometry(dialog)
        program.click(x + 264 + 37, y + 224 + 12)
        plk.wait_for(lambda: not program.find_windows(TITLE), what="the dialog to hide")
        self.assertTrue(program.running())

        program.click_button()
        opened = plk.wait_for(program.opened_files, what="a song to be opened")
        self.assertIn(opened[0], [path for _, path in found])

    def start_large_rebuild(self, program):
        """Starts the program and a rebuild of a folder of 20,000 files; returns
        the dialog once the run has written a few records."""
        big = os.path.join(program.folder, "big")
        os.makedirs(big)
        for i in range(20000):
            open(os.path.join(big, "%04d.mp3" % i), "wb").close()
        program.start()
        dialog = self.start_rebuild(program, plk.windows_path(big))
        # Start creates the index when the dialog gets to the click.
        plk.wait_for(lambda: os.path.exists(program.index_path)
                     and os.path.getsize(program.index_path) >= 10 * plk.RECORD_SIZE,
                     what="the run to write records")
        return dialog

    def assert_whole_consecutive_records(self, program):
        self.assertEqual(os.path.getsize(program.index_path) % plk.RECORD_SIZE, 0)
        records = read_index(program.index_path)
        self.assertLess(len(records), 20000)
        self.assertEqual([number for number, _ in records], list(range(1, len(records) + 1)))

    def test_exit_during_a_run_ends_cleanly_with_whole_records(self):
        program = self.new_program()
        dialog = self.start_large_rebuild(program)
        # Paused, so that the run is surely still going when Exit is chosen;
        # the end must not wait for a Resume.
        x, y, _, _ = program.geometry(dialog)
        program.click(x + 88 + 37, y + 224 + 12)
        program.exit()
        self.assertEqual(program.message_boxes(), [])
        self.assert_whole_consecutive_records(program)

    def test_killed_during_a_run_leaves_whole_consecutive_records(self):
        program = self.new_program()
        self.start_large_rebuild(program)
        program.kill()  # SIGKILL, as TerminateProcess ends a Wine process
        self.assert_whole_consecutive_records(program)

    def test_a_drive_lost_during_a_run_leaves_the_earlier_index(self):
        program = self.new_program()
        earlier = plk.make_record(1, "C:\\earlier.mp3") + b"frag"
        with open(program.index_path, "wb") as out:
            out.write(earlier)
        drive = os.path.join(program.folder, "drive")
        for i in range(2000):
            os.makedirs(os.path.join(drive, "Album %04d" % i))
            open(os.path.join(drive, "Album %04d" % i, "song.mp3"), "wb").close()
        # A drive letter of its own, as a USB disk has, taken away mid-run.
        link = os.path.join(os.environ["WINEPREFIX"], "dosdevices", "q:")
        if os.path.lexists(link):
            os.remove(link)
        os.symlink(drive, link)
        self.addCleanup(lambda: os.path.lexists(link) and os.remove(link))
        program.start()
        seen = len(program.message_boxes())
        dialog = self.start_rebuild(program, "Q:")
        plk.wait_for(lambda: os.path.getsize(program.index_path) >= 10 * plk.RECORD_SIZE,
                     what="the run to write records")
        x, y, _, _ = program.geometry(dialog)
        program.click(x + 88 + 37, y + 224 + 12)  # Pause
        os.remove(link)
        program.click(x + 88 + 37, y + 224 + 12)  # Resume
        text = program.wait_message_box(seen, timeout=60)
        self.assertIn("the folder Q:\\Album ", text)
        self.assertIn("Your music library was left as it was.", text)
        program.answer_error_box("Return")
        with open(program.index_path, "rb") as f:
            self.assertEqual(f.read(), earlier)


if __name__ == "__main__":
    plk.main()
