"""The face of the real program: the Song Tag popup beside the button, the
Play Again button above it, hover, the drag, the themes and the z-order."""

import os
import shutil
import struct
import subprocess
import time
import unittest

import plk

DT_NOPREFIX = 0x800


def id3v23(title, artist):
    """An ID3v2.3 tag with TIT2 and TPE1 in Latin-1, and some padding."""
    body = b""
    for frame_id, text in (("TIT2", title), ("TPE1", artist)):
        data = b"\0" + text.encode("latin-1")
        body += frame_id.encode() + struct.pack(">IH", len(data), 0) + data
    body += b"\0" * 64
    size = bytes((len(body) >> shift) & 0x7F for shift in (21, 14, 7, 0))
    return b"ID3\x03\0\0" + size + body


def id3v24(title_frame, artist_frame):
    """An ID3v2.4 tag with TIT2 and TPE1 given as frame bodies (the encoding
    byte, then the encoded text), each under 128 bytes."""
    body = b""
    for frame_id, data in (("TIT2", title_frame), ("TPE1", artist_frame)):
        body += frame_id.encode() + struct.pack(">IH", len(data), 0) + data
    body += b"\0" * 64
    return b"ID3\x04\0\0" + bytes((0, 0, 0, len(body))) + body


def id3v22(title):
    """An ID3v2.2 tag, which the program cannot use."""
    data = b"\0" + title.encode("latin-1")
    body = b"TT2" + struct.pack(">I", len(data))[1:] + data
    return b"ID3\x02\0\0" + bytes((0, 0, 0, len(body))) + body


def id3v1(title, artist):
    return b"TAG" + title.encode("latin-1").ljust(30, b"\0") + artist.encode("latin-1").ljust(30, b"\0") + bytes(65)


AUDIO = b"\x55" * 2000


class Face(plk.PlinketyTestCase):
    def start(self, settings, songs):
        """A program whose index lists songs (name: bytes) in its music
        folder. The files wait in music/aside until brought in, so a random
        play can only pick the one that is there."""
        program = self.new_program()
        self.aside = os.path.join(program.folder, "music", "aside")
        os.makedirs(self.aside)
        for name, data in songs.items():
            with open(os.path.join(self.aside, name), "wb") as out:
                out.write(data)
        self.music = os.path.dirname(self.aside)
        plk.write_index(program.index_path, [plk.windows_path(os.path.join(self.music, n)) for n in songs])
        program.write_settings("[General]\nautostart=0\n" + settings)
        return program

    def only(self, name):
        """Leaves name as the one song in the music folder."""
        for present in os.listdir(self.music):
            if present != "aside":
                os.rename(os.path.join(self.music, present), os.path.join(self.aside, present))
        os.rename(os.path.join(self.aside, name), os.path.join(self.music, name))
        return os.path.join(self.music, name)

    def play(self, program):
        """Clicks the Play button; returns once the recorder logged the song."""
        count = len(program.opened_files())
        program.click_button()
        return plk.wait_for(lambda: len(program.opened_files()) > count and program.opened_files()[-1],
                            what="the shell to open the song")

    def popup(self, program):
        return program.wait_window("Song Tag")

    def play_again(self, program, visible=True):
        return plk.wait_for(lambda: bool(program.find_windows("Play Again")) == visible and (
            program.find_windows("Play Again") or ["gone"])[0], what="Play Again visible=%s" % visible)

    def test_song_tag_lines_beside_the_button(self):
        program = self.start("", {
            "tagged.mp3": id3v23("R&B Mix", "Simon & Garfunkel") + AUDIO,
            "old.mp3": id3v22("Not shown") + AUDIO + id3v1("Old Title", "Old Artist"),
            "Song.Name.mp3": AUDIO,
            "held.mp3": AUDIO,
            # A UTF-16 title with a byte order mark, a UTF-8 artist.
            "unicode.mp3": id3v24(b"\x01" + "Дыхание".encode("utf-16"), b"\x03" + "坂本龍一".encode("utf-8")) + AUDIO,
        })
        program.wine_debug += ",trace+text"
        program.start()
        x, y, _, _ = program.geometry()
        for name, title, artist in (("tagged.mp3", "R&B Mix", "Simon & Garfunkel"),
                                    ("old.mp3", "Old Title", "Old Artist"),
                                    ("Song.Name.mp3", "Unknown song:", "Song.Name"),
                                    ("unicode.mp3", "Дыхание", "坂本龍一")):
            song = self.only(name)
            self.assertEqual(self.play(program).lower(), plk.windows_path(song).lower())
            self.assertEqual(program.geometry(self.popup(program)), (x - 153, y, 152, 37))
            for line in (title, artist):
                plk.wait_for(lambda: (line, 0x820) in program.drawn_texts(),
                             what="%r drawn as it stands, on one line" % line)

        # A song another program holds exclusively is not opened: the
        # error box says why.
        held = self.only("held.mp3")
        program.hold_exclusively(held)
        opened = len(program.opened_files())
        program.click_button()
        text = program.wait_message_box(0)
        self.assertRegex(text, "(?i)sharing violation|used by another process")
        program.answer_box("Plinkety", "Return")
        self.assertEqual(len(program.opened_files()), opened)

    def test_play_again_follows_the_pointer_and_the_button(self):
        program = self.start("", {"song.wav": AUDIO})
        self.only("song.wav")
        program.start()
        x, y, w, h = program.geometry()

        program.hover(x + w // 2, y + h // 2)
        again = self.play_again(program)
        self.assertEqual(program.geometry(again), (x, y - 14, 37, 15))
        program.hover(x + w // 2, y - 7)  # straight up onto it
        time.sleep(0.5)
        self.assertTrue(program.find_windows("Play Again"), "it stays while the pointer is on it")
        program.hover(x - 60, y - 7)  # off sideways
        self.play_again(program, visible=False)

        song = self.play(program)
        program.hover(x + w // 2, y - 7)
        self.play_again(program)
        program.click(x + w // 2, y - 7)
        plk.wait_for(lambda: program.opened_files() == [song, song], what="the song opened again")

        program.hover(x + w // 2, y + h // 2)
        program.drag_button(-300, -200)
        moved_x, moved_y, _, _ = program.geometry()
        self.assertNotEqual((moved_x, moved_y), (x, y))
        program.hover(moved_x - 60, moved_y + 10)
        self.play_again(program, visible=False)
        program.hover(moved_x + w // 2, moved_y + h // 2)
        self.assertEqual(program.geometry(self.play_again(program)), (moved_x, moved_y - 14, 37, 15))

    def mean_colours(self, program, shot, regions):
        """The mean (red, green, blue) of each (x, y, width, height) of a screenshot."""
        means = []
        for x, y, width, height in regions:
            out = subprocess.run(["convert", shot, "-crop", "%dx%d+%d+%d" % (width, height, x, y), "-format",
                                  "%[fx:mean.r] %[fx:mean.g] %[fx:mean.b]", "info:"],
                                 check=True, stdout=subprocess.PIPE, text=True).stdout
            means.append(tuple(float(v) for v in out.split()))
        return means

    def show_the_face(self, program, name):
        """Plays the song with the pointer then up on Play Again; returns the
        mean colours of the three pictures: button, Play Again, popup."""
        x, y, w, h = program.geometry()
        program.hover(x + w // 2, y + h // 2)
        self.play_again(program)
        self.play(program)
        program.hover(x + w // 2, y - 7)  # off the button's hint
        self.play_again(program)
        self.popup(program)
        shot = program.screenshot(os.path.join(program.folder, name))
        return self.mean_colours(program, shot, [(x + 1, y + 1, 35, 35), (x + 1, y - 13, 35, 13),
                                                 (x - 152, y + 1, 150, 35)])

    def test_theme_redraws_all_three_and_the_popup_sends_the_button_down(self):
        program = self.start("stayontop=0\n", {"song.mp3": AUDIO})
        self.only("song.mp3")
        # Another program's window, there before the button.
        program.start_helper("--window", "plk-other")
        program.wait_window("plk-other")
        program.start()

        def below_other():
            order = program.z_order()
            return order.index("Plinkety") > order.index("plk-other")

        black = self.show_the_face(program, "black.png")
        self.assertFalse(below_other(), "a new window comes up on top")
        # Once the popup has hidden, the button lies below the other window.
        plk.wait_for(lambda: not program.find_windows("Song Tag"), timeout=10, what="the popup to hide")
        self.assertTrue(below_other())

        program.menu("t", "r")  # Green
        program.wait_settings({"autostart": "0", "stayontop": "0", "schema": "4", "clinvert": "0"})
        green = self.show_the_face(program, "green.png")
        for window, before, after in zip(("Play button", "Play Again", "Song Tag"), black, green):
            # Black is grey throughout; Green has far more green than red.
            self.assertLess(before[1] - before[0], 0.05, window)
            self.assertGreater(after[1] - after[0], 0.15, window)


if __name__ == "__main__":
    plk.main()
