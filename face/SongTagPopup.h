// The Song Tag popup: a borderless translucent strip to the left of the Play
// button that shows a song's title above its artist, fades in, holds for a
// moment and fades out. Its fade is SongTagFade; this window applies it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "face/CompanionWindow.h"
#include "face/SongTagFade.h"
#include "face/SongTagText.h"
#include "gui/TextLabel.h"
#include "system/Handles.h"

namespace plk {

class Tid3v2tag;
struct SongTagText;

class TForm4 : public CompanionWindow<SongTagFade> {
public:
    // What the popup needs of the Play button window.
    struct Links {
        HWND playButton = nullptr;          // its place, and its z-order on hiding
        std::function<bool()> stayOnTop;    // the always-on-top setting
        int theme = 0;                      // Theme and InvertLabels as read at start
        bool invertLabels = false;
    };

    explicit TForm4(Links links);

    // Shows the song's artist and title (from its ID3v2 tag, else its ID3v1
    // tag, else its file name; a cloud placeholder's file name, unread) read
    // with reader. A song that comes while the popup is visible replaces the
    // texts and holds anew at full strength.
    // Throws FileError when the file cannot be opened for the ID3v1 check;
    // the popup's timers are stopped by then, so a visible popup stays as it
    // is until the next song. Returns the lines shown.
    SongTagText ShowID3(Tid3v2tag& reader, const std::string& path);
    // Shows lines read elsewhere (a song of another format) the same way.
    void showSongText(const SongTagText& lines);

    // The labels' colour: black when inverted, else white.
    void setLabelColour(bool invertLabels);

    // What is shown, for the tests: the artist and title lines, the picture.
    const TextLabel& artistLabel() const { return Label1; }
    const TextLabel& titleLabel() const { return Label2; }

private:
    void FormCreate();
    // The picture, the labels' boxes and their font at the popup's scale.
    void layOut() override;
    void FormShow() override;
    void FormHide() override;
    void paintLabels(HDC imageDc) const;
    // The new song's lines in place, then its fade.
    void showLines(const SongTagText& lines);

    Links links_;
    TextLabel Label1;  // artist
    TextLabel Label2;  // title
    FontHandle labelFont_;
};

}  // namespace plk
