// What showing the song's tag costs a click on the Play button: the time
// from the click to the shell's open request for an MP3 file whose tag
// carries a 300 KB cover picture, against the same click on a tagless MP3
// file (the popup then shows the file's name), measured in the same run.
//
// The real Play button, Song Tag popup and Play Again button are created as
// the program creates them, beside this benchmark's executable (with its own
// settings.ini and plkindex.dat, removed at the end). The click is the
// button's release on the picture; the shell's request is taken by the
// benchmark instead of the shell. The two files take turns, 300 clicks each.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/PlayButton.h"
#include "bench/BenchApplication.h"
#include "bench/BenchClock.h"
#include "face/PlayAgainButton.h"
#include "face/SongTagPopup.h"
#include "gui/Application.h"
#include "library/IndexFile.h"
#include "system/ShellOpen.h"
#include "tests/support/FolderTree.h"
#include "tests/support/SongFiles.h"

namespace plk {
namespace {

const int kClicks = 300;
const std::size_t kCoverSize = 300 * 1024;

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

void writeIndex(const std::string& index, const std::string& song) {
    IndexWriter::createEmpty(index);
    IndexWriter writer;
    writer.open(index);
    TLibraryRecord record{};
    record.setPath(song);
    writer.append(record);
    writer.close();
}

void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

struct Case {
    const char* name;
    std::string index;
    std::vector<double> milliseconds;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int runBenchmark() {
    const std::string folder = Application::exeFolder();
    const std::string settings = folder + "settings.ini";
    std::ofstream(settings) << "[General]\r\nautostart=0\r\n";  // leaves the Run key alone
    const std::string songs = test::tempPath("plk-click-bench\\");
    test::removeFolderTree(songs);
    CreateDirectoryA(songs.c_str(), nullptr);
    const std::string cover = songs + "cover.mp3", tagless = songs + "tagless.mp3";
    writeFile(cover, test::song(test::id3v2Tag("A Title", "An Artist", kCoverSize), 200000));
    writeFile(tagless, test::song({}, 200000));
    std::vector<Case> cases{{"tagless MP3", folder + "tagless.dat", {}},
                            {"300 KB cover in the tag", folder + "cover.dat", {}}};
    writeIndex(cases[0].index, tagless);
    writeIndex(cases[1].index, cover);

    {
        TForm1 form1;
        TForm4 form4({form1.hwnd(), [&form1] { return form1.StayOnTop; }, form1.Theme, form1.InvertLabels});
        form1.setSongTag(form4);
        TForm6 form6({form1.hwnd(), form1.Theme, [&form1] { form1.playAgain(); }});
        form1.setPlayAgain(form6);

        double asked = 0;
        replaceShellOpenForTesting([&](const std::string&) { asked = now(); });
        for (int click = 0; click < 2 * kClicks; ++click) {
            Case& current = cases[click % 2];
            form1.IndexFileName = current.index;
            form1.ReadIndex();
            SendMessageA(form1.image(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
            pump();
            const double clicked = now();
            SendMessageA(form1.image(), WM_LBUTTONUP, 0, 0);
            current.milliseconds.push_back((asked - clicked) * 1000);
            pump();  // the popup paints, as it would between two clicks
        }
        replaceShellOpenForTesting(nullptr);
    }

    std::printf("Click on the Play button to the shell's open request, %d clicks each:\n", kClicks);
    for (const Case& c : cases)
        std::printf("  %-26s median %.3f ms, best %.3f ms\n", c.name, median(c.milliseconds),
                    *std::min_element(c.milliseconds.begin(), c.milliseconds.end()));
    const double base = median(cases[0].milliseconds), withCover = median(cases[1].milliseconds);
    std::printf("result: click to shell request, 300 KB cover / tagless, median time = %.2f (%+.3f ms)\n",
                withCover / base, withCover - base);

    for (const Case& c : cases) DeleteFileA(c.index.c_str());
    DeleteFileA(settings.c_str());
    test::removeFolderTree(songs);
    return 0;
}

}  // namespace
}  // namespace plk

int main() { return plk::runInApplication(plk::runBenchmark); }
