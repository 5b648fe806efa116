"""Songs of other formats than MP3 in the real program: a click on a FLAC
file shows its Cyrillic title and artist in the Song Tag popup (seen in
Wine's trace of what is drawn), and a click on an Ogg file without tags
shows no popup at all, as before. Every format's reader is tested natively;
here the point is the click's way to the popup, which they all share."""

import os
import struct
import time

import plk

SINGLE_LINE_NO_PREFIX = 0x820  # DT_SINGLELINE | DT_NOPREFIX, as the popup draws


def vorbis_comment(fields):
    data = struct.pack("<I", 4) + b"test" + struct.pack("<I", len(fields))
    for field in fields:
        data += struct.pack("<I", len(field.encode())) + field.encode()
    return data


def flac_file(title, artist):
    """fLaC, a STREAMINFO block, the VORBIS_COMMENT block (the last), audio."""
    comment = vorbis_comment(["TITLE=" + title, "ARTIST=" + artist])
    return (b"fLaC" + b"\x00" + struct.pack(">I", 34)[1:] + bytes(34)
            + b"\x84" + struct.pack(">I", len(comment))[1:] + comment + b"\xFF\xF8" + bytes(4000))


def ogg_crc(data):
    crc = 0
    for byte in data:
        crc ^= byte << 24
        for _ in range(8):
            crc = ((crc << 1) ^ 0x04C11DB7 if crc & 0x80000000 else crc << 1) & 0xFFFFFFFF
    return crc


def ogg_page(flags, sequence, packet):
    lacing = bytes([255] * (len(packet) // 255) + [len(packet) % 255])
    page = b"OggS\0" + bytes([flags]) + bytes(8) + struct.pack("<III", 7, sequence, 0) + bytes([len(lacing)]) + lacing + packet
    return page[:22] + struct.pack("<I", ogg_crc(page)) + page[26:]


def tagless_ogg_file():
    """A Vorbis stream whose comment header holds no fields."""
    identification = b"\x01vorbis" + bytes(23)
    return (ogg_page(0x02, 0, identification) + ogg_page(0, 1, b"\x03vorbis" + vorbis_comment([]) + b"\x01")
            + ogg_page(0x04, 2, bytes(3000)))


SONGS = {
    "tagless.ogg": (tagless_ogg_file(), None),
    "song.flac": (flac_file("Группа крови", "Кино"), ("Группа крови", "Кино")),
}


class SongFormats(plk.PlinketyTestCase):
    def present_only(self, name):
        """Of the indexed songs only name is in the music folder (the others
        wait beside it under another name), so a random play picks it."""
        for other in SONGS:
            here, away = os.path.join(self.music, other), os.path.join(self.music, other + ".away")
            if other == name and os.path.exists(away):
                os.rename(away, here)
            elif other != name and os.path.exists(here):
                os.rename(here, away)

    def click_for(self, program, name):
        self.present_only(name)
        opened = len(program.opened_files())
        program.click_button()
        song = plk.wait_for(lambda: program.opened_files()[opened:] and program.opened_files()[-1],
                            what="the shell to open %s" % name)
        self.assertEqual(song.lower(), plk.windows_path(os.path.join(self.music, name)).lower())

    def test_the_title_of_a_flac_shows_and_a_tagless_ogg_shows_none(self):
        program = self.new_program()
        self.music = os.path.join(program.folder, "music")
        os.makedirs(self.music)
        for name, (data, _) in SONGS.items():
            with open(os.path.join(self.music, name + ".away"), "wb") as out:
                out.write(data)
        plk.write_index(program.index_path, [plk.windows_path(os.path.join(self.music, n)) for n in SONGS])
        program.write_settings("[General]\nautostart=0\n")
        program.wine_debug += ",trace+text"
        program.start()

        self.click_for(program, "tagless.ogg")
        time.sleep(1.5)  # the popup would be fading in by now
        self.assertEqual(program.find_windows("Song Tag"), [], "no popup for a file without a title")
        self.assertEqual([text for text, flags in program.drawn_texts() if flags == SINGLE_LINE_NO_PREFIX], [])

        self.click_for(program, "song.flac")
        program.wait_window("Song Tag")
        for line in SONGS["song.flac"][1]:
            plk.wait_for(lambda: (line, SINGLE_LINE_NO_PREFIX) in program.drawn_texts(),
                         what="%r drawn in the popup" % line)


if __name__ == "__main__":
    plk.main()
