"""Random play: a click opens an indexed file that exists; the boxes when there is none."""

import os
import shutil
import subprocess
import unittest

import plk

WELCOME = ("Welcome!\r\n\r\nSince this might be your first startup, no music library has been built yet."
           "\r\n\r\nWould you like to build it now?")
NO_FILES = ("No indexed files found.\r\n\r\nYou have to rebuild your music library in order to play "
            "random songs.\r\n\r\nWould you like to rebuild it now?")


class RandomPlay(plk.PlinketyTestCase):
    def setUp(self):
        self.addCleanup(plk.delete_run_values)

    def make_songs(self, program, names):
        folder = os.path.join(program.folder, "music")
        os.makedirs(folder, exist_ok=True)
        paths = []
        for name in names:
            path = os.path.join(folder, name)
            with open(path, "wb") as f:
                f.write(b"not really music")
            paths.append(plk.windows_path(path))
        return paths

    def wait_opened(self, program, count=1):
        return plk.wait_for(lambda: len(program.opened_files()) >= count and program.opened_files(),
                            what="the recorder to log an opened file")

    def test_click_opens_one_of_the_existing_indexed_files(self):
        program = self.new_program()
        existing = self.make_songs(program, ["one.wav", "two.ogg"])
        vanished = [plk.windows_path(os.path.join(program.folder, "music", "gone%d.wav" % k)) for k in range(6)]
        plk.write_index(program.index_path, vanished[:3] + existing + vanished[3:])
        program.start()
        program.click_button()
        opened = self.wait_opened(program)
        self.assertEqual(len(opened), 1)
        self.assertIn(opened[0].lower(), [p.lower() for p in existing])
        self.assertEqual(program.message_boxes(), [])

    def test_programs_in_the_index_are_never_handed_to_the_shell(self):
        program = self.new_program()
        song = self.make_songs(program, ["song.wav"])[0]
        music = os.path.join(program.folder, "music")
        # Were the shell asked to run them, the copy of the recorder would log
        # an empty line and the batch file would leave its mark.
        shutil.copy(program.recorder, os.path.join(music, "setup.exe"))
        shutil.copy(program.recorder, os.path.join(music, "tree.com"))
        # A program without an extension: the shell runs it too.
        shutil.copy(program.recorder, os.path.join(music, "player"))
        marker = os.path.join(program.folder, "batch-ran")
        with open(os.path.join(music, "Run.BAT"), "w", newline="\r\n") as bat:
            bat.write("echo ran > %s\n" % plk.windows_path(marker))
        setup = plk.windows_path(os.path.join(music, "setup.exe"))
        # The last two name setup.exe too, once Windows has read the path.
        plk.write_index(program.index_path, [setup, song, plk.windows_path(os.path.join(music, "Run.BAT")),
                                             plk.windows_path(os.path.join(music, "tree.com")),
                                             plk.windows_path(os.path.join(music, "player")),
                                             setup + "\\.", setup.replace("\\", "/")])
        program.start()

        def requests():
            if not os.path.exists(program.recorder_log):
                return []
            with open(program.recorder_log, encoding="latin-1") as log:
                return [line.lower() for line in log.read().splitlines()]
        for clicks in range(1, 7):
            # xdotool's synced move waits until the pointer moves: start it elsewhere.
            plk.run("xdotool", "mousemove", "0", "0")
            program.click_button()
            plk.wait_for(lambda: len(requests()) >= clicks or os.path.exists(marker), what="a shell request")
            self.assertFalse(os.path.exists(marker), "the batch file was run")
        self.assertEqual(requests(), [song.lower()] * 6)

    def test_too_large_index_is_refused_and_the_button_stays_usable(self):
        program = self.new_program()
        with open(program.index_path, "wb") as index:
            index.truncate(1000001 * plk.RECORD_SIZE)  # sparse: takes no room on disk
        program.start(wait=False)
        text = program.wait_message_box(0)
        self.assertIn("plkindex.dat is too large to load: it lists 1,000,001 songs, and at most 1,000,000 can be "
                      "loaded.", text)
        program.answer_error_box("Return")
        program.window = program.wait_play_button()
        program.click_button()
        self.assertEqual(program.wait_message_box(1), NO_FILES)
        program.answer_box("Information", "Escape")
        self.assertTrue(program.running())

    def test_no_index_greets_and_ok_opens_the_rebuild_dialog(self):
        program = self.new_program().start()
        program.click_button()
        self.assertEqual(program.wait_message_box(0), WELCOME)
        program.answer_box("Information", "Return")
        program.wait_window("Rebuild Music Library")
        self.assertEqual(program.opened_files(), [])

    def test_empty_index_says_no_indexed_files(self):
        program = self.new_program()
        plk.write_index(program.index_path, [])
        program.start()
        program.click_button()
        self.assertEqual(program.wait_message_box(0), NO_FILES)
        program.answer_box("Information", "Escape")
        self.assertEqual(program.find_windows("Rebuild Music Library"), [])

    def test_library_of_vanished_files_gives_up_with_advice(self):
        program = self.new_program()
        plk.write_index(program.index_path, ["C:\\nowhere\\lost%d.mp3" % k for k in range(20)])
        program.start()
        program.click_button()
        text = program.wait_message_box(0, timeout=60)
        self.assertTrue(text.startswith("None of 1000 songs picked from your music library could be found."), text)
        program.answer_box("Information", "Escape")
        self.assertTrue(program.running())
        self.assertEqual(program.opened_files(), [])

    def test_read_only_index_loads(self):
        program = self.new_program()
        song = self.make_songs(program, ["only.wav"])
        plk.write_index(program.index_path, song)
        # Immutable refuses writers even to root, as a read-only file does to a user.
        if subprocess.run(["chattr", "+i", program.index_path], stderr=subprocess.DEVNULL).returncode != 0:
            self.skipTest("this file system cannot make a file immutable")
        self.addCleanup(subprocess.run, ["chattr", "-i", program.index_path])
        program.start()
        program.click_button()
        self.assertEqual(self.wait_opened(program)[0].lower(), song[0].lower())
        self.assertEqual(program.message_boxes(), [], "no 'access denied' box at start")


if __name__ == "__main__":
    plk.main()
