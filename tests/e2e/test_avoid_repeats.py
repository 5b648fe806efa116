"""Avoid repeats: every song once a round, across a restart; the songs played last in their submenu."""

import os
import subprocess

import plk

RECORD_SIZE = plk.RECORD_SIZE


class AvoidRepeats(plk.PlinketyTestCase):
    def setUp(self):
        self.addCleanup(plk.delete_run_values)

    def played_file(self, program):
        path = os.path.join(program.folder, "plkplayed.dat")
        with open(path, "rb") as f:
            data = f.read()
        self.assertEqual(len(data) % RECORD_SIZE, 0)
        return [data[k + 5:k + 5 + data[k + 4]].decode("latin-1") for k in range(0, len(data), RECORD_SIZE)]

    def click_and_wait(self, program):
        opened = len(program.opened_files())
        plk.run("xdotool", "mousemove", "0", "0")
        program.click_button()
        return plk.wait_for(lambda: len(program.opened_files()) > opened and program.opened_files()[-1],
                            what="the recorder to log an opened file")

    def make_library(self, program, names):
        music = os.path.join(program.folder, "music")
        os.makedirs(music)
        songs = []
        for name in names:
            with open(os.path.join(music, name), "wb") as f:
                f.write(b"not really music")
            songs.append(plk.windows_path(os.path.join(music, name)))
        plk.write_index(program.index_path, songs)
        return songs

    def test_every_song_once_before_a_repeat_and_the_recent_songs_reopen(self):
        program = self.new_program()
        songs = self.make_library(program, ["one.wav", "two & three.ogg", "four.wav", "five.flac", "six.wav"])
        # Created empty, as a package manager does.
        open(os.path.join(program.folder, "plkplayed.dat"), "wb").close()
        program.wine_debug += ",trace+text"  # what the menu draws
        program.start()
        program.menu("o", "r")
        plk.wait_for(lambda: "norepeat=1" in (program.read_settings() or ""), what="norepeat=1 in settings.ini")
        program.menu("p")
        plk.wait_for(lambda: "(nothing yet)" in [text for text, _ in program.drawn_texts()],
                     what="the empty submenu's item")
        plk.run("xdotool", "key", "--window", program.window, "Escape", "Escape")

        first = [self.click_and_wait(program) for _ in range(3)]
        program.exit()
        program.start()
        second = [self.click_and_wait(program) for _ in range(2)]
        played = first + second
        self.assertEqual(sorted(p.lower() for p in played), sorted(s.lower() for s in songs))
        self.assertEqual([p.lower() for p in self.played_file(program)], [p.lower() for p in played])

        sixth = self.click_and_wait(program)
        self.assertNotEqual(sixth.lower(), played[-1].lower(), "the new round began with the last song")
        self.assertEqual([p.lower() for p in self.played_file(program)], [sixth.lower()])

        # The submenu lists the songs played, newest first; its top item
        # opens the newest again, the next one the one before.
        program.menu("p", "Return")
        plk.wait_for(lambda: len(program.opened_files()) == 7, what="the recent song opened")
        self.assertEqual(program.opened_files()[-1].lower(), sixth.lower())
        program.menu("p")
        plk.run("xdotool", "key", "--window", program.window, "Down", "Return")
        plk.wait_for(lambda: len(program.opened_files()) == 8, what="the second recent song opened")
        self.assertEqual(program.opened_files()[-1].lower(), played[-1].lower())
        texts = [text for text, _ in program.drawn_texts()]
        for song in played:
            name = song.rsplit("\\", 1)[-1].replace("&", "&&")
            self.assertIn(name, texts)
        self.assertEqual(program.message_boxes(), [])
        self.assertEqual(len(self.played_file(program)), 1, "a recent song changes nothing in the round")

    def test_a_round_file_that_cannot_be_written_is_said_once_and_play_goes_on(self):
        program = self.new_program()
        songs = self.make_library(program, ["a.wav", "b.wav", "c.wav"])
        program.write_settings("[General]\nnorepeat=1\n")
        played = os.path.join(program.folder, "plkplayed.dat")
        open(played, "wb").close()
        # Immutable refuses writers even to root, as a read-only file does to a user.
        if subprocess.run(["chattr", "+i", played], stderr=subprocess.DEVNULL).returncode != 0:
            self.skipTest("this file system cannot make a file immutable")
        self.addCleanup(subprocess.run, ["chattr", "-i", played])
        program.start()
        first = self.click_and_wait(program)
        self.assertIn("cannot write the songs of this round", program.wait_message_box(0))
        program.answer_box("Warning", "Return")
        later = [self.click_and_wait(program) for _ in range(2)]
        self.assertEqual(sorted(p.lower() for p in [first] + later), sorted(s.lower() for s in songs))
        self.assertEqual(len(program.message_boxes()), 1)
        self.assertEqual(os.path.getsize(played), 0)


if __name__ == "__main__":
    plk.main()
