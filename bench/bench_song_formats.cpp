// Time to the text: how long the popup's reading of title and artist takes
// for a file of each format the format readers serve, against the ID3v2
// reader on an MP3 file of the same size in the same run: the MP3 file that
// holds the same (its picture in an APIC frame before the texts), and one
// with a small tag, the fastest the ID3v2 reader goes. The cases are those
// where a careless reader would read far too much: a FLAC file whose 5 MB
// picture block comes before its comment, an Ogg Vorbis file whose 3 MB
// picture comment comes before its title, and an .m4a file of 200 MB whose
// moov atom comes after its media. The Ogg file's comment header lies in
// pages of 255 segments, as libogg lays out a long packet (49 page headers
// to step over), and once more in pages of 4,000 bytes (some 800).
//   bench_song_formats [runs per case, default 300]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

#include "bench/MedianTime.h"
#include "tags/Id3v2Tag.h"
#include "tags/SongTags.h"
#include "tests/support/FormatBuilder.h"

namespace {

using namespace plk::test;
namespace fs = std::filesystem;

const std::string kFields[] = {"TITLE=Дыхание", "ARTIST=Björk"};

// The median of runs timings of read, in microseconds; the file's pages are
// in the cache by then, as a song's first bytes are once the shell has
// listed its folder.
double medianMicroseconds(const std::function<void()>& read, int runs) { return 1000 * plk::medianMs(runs, read); }

struct Case {
    const char* name;
    Bytes head;
    std::uint64_t size;
    Bytes tail;
    std::size_t picture;  // in the MP3 file that holds the same
};

std::vector<Case> cases() {
    const Bytes comment = vorbisComment({kFields[0], kFields[1]});
    const Bytes flac = flacStream({{kPictureBlock, Bytes(5u << 20, 0x5A)}, {kCommentBlock, comment}});
    const std::vector<Bytes> oggPackets = {
        vorbisIdentification(),
        concat({toBytes("\x03vorbis"),
                vorbisComment({"METADATA_BLOCK_PICTURE=" + std::string(3u << 20, 'p'), kFields[0], kFields[1]}), {1}})};
    const Bytes ogg = oggStream(oggPackets, 1, 255 * 255), oggSmallPages = oggStream(oggPackets, 1, 4000);
    const Bytes opus = oggStream({opusIdentification(), concat({toBytes("OpusTags"), comment})});
    const std::string nam = "\xA9nam", art = "\xA9" "ART";
    const Bytes moov = moovWithItems(concat({atom(nam, dataAtom(1, toBytes(u8"Дыхание"))), atom(art, dataAtom(1, toBytes("Björk")))}));
    const std::uint64_t m4aSize = 200u << 20;
    const Bytes m4aHead = concat({atom("ftyp", toBytes("M4A mp42")), bigEndianBytes(m4aSize - 16 - moov.size(), 4), toBytes("mdat")});
    const Bytes asf = asfFile(u"Дыхание", u"Björk");
    return {
        {"flac (5 MB picture first)", flac, flac.size() + (1u << 20), {}, 5u << 20},
        {"ogg-vorbis (3 MB comment first)", ogg, ogg.size() + (1u << 20), {}, 3u << 20},
        {"ogg-vorbis (the same, 4 KB pages)", oggSmallPages, oggSmallPages.size() + (1u << 20), {}, 3u << 20},
        {"opus", opus, 10u << 20, {}, 0},
        {"mp4 (moov after 200 MB)", m4aHead, m4aSize, moov, 0},
        {"asf", asf, 10u << 20, {}, 0},
    };
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    const fs::path folder = fs::temp_directory_path() / ("plinkety-bench-formats-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    plk::Tid3v2tag reader;  // the one reader of the program, kept from song to song
    auto readMp3 = [&reader](const std::string& path) {
        std::u16string title, artist;
        if (reader.LoadFromFile(path, 0) <= 0x00FF) {
            reader.GetWideTextFrame("TIT2", title);
            reader.GetWideTextFrame("TPE1", artist);
        }
    };
    std::printf("%-34s %10s %14s %14s %8s %8s\n", "case", "ours (us)", "same mp3 (us)", "small tag (us)", "ratio", "ratio");
    for (const Case& c : cases()) {
        const std::string song = (folder / "song").string(), same = (folder / "same.mp3").string(),
                          small = (folder / "small.mp3").string();
        TagBuilder tag(3);
        if (c.picture) tag.frame("APIC", concat({textBody(0, "image/jpeg"), {3, 0}, Bytes(c.picture, 0x5A)}));
        writeSparseFile(song, c.head, c.size, c.tail);
        writeSparseFile(same, tag.text("TIT2", "Dyhanie").text("TPE1", "Bjork").padding(1024).build(), c.size, {});
        writeSparseFile(small, TagBuilder(3).text("TIT2", "Dyhanie").text("TPE1", "Bjork").padding(1024).build(), c.size, {});
        const plk::SongTags check = plk::readContainerTags(song);
        if (check.title.empty() || check.artist.empty()) {
            std::fprintf(stderr, "%s: no text read\n", c.name);
            return 1;
        }
        double ours = 0, sameMp3 = 0, smallMp3 = 0;
        // Taking turns, so that all see the same machine.
        for (int round = 0; round < 3; ++round) {
            ours += medianMicroseconds([&] { plk::readContainerTags(song); }, runs / 3);
            sameMp3 += medianMicroseconds([&] { readMp3(same); }, runs / 3);
            smallMp3 += medianMicroseconds([&] { readMp3(small); }, runs / 3);
        }
        std::printf("%-34s %10.1f %14.1f %14.1f %8.2f %8.2f\n", c.name, ours / 3, sameMp3 / 3, smallMp3 / 3,
                    ours / sameMp3, ours / smallMp3);
        std::printf("result: %s vs id3v2, same mp3 = %.2f\n", c.name, ours / sameMp3);
        std::printf("result: %s vs id3v2, small tag = %.2f\n", c.name, ours / smallMp3);
    }
    fs::remove_all(folder);
    return 0;
}
