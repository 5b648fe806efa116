#include "face/SongTagPopup.h"

#include <utility>

#include "face/SongTagText.h"
#include "gui/LayeredWindow.h"
#include "platform/FileAttributes.h"
#include "resources/resource.h"
#include "system/WideText.h"

namespace plk {
namespace {

// The labels' boxes at 96 DPI, in the popup's coordinates.
const RECT kArtistBox{8, 20, 8 + 137, 20 + 14};
const RECT kTitleBox{8, 4, 8 + 137, 4 + 13};
const int kLabelFontHeight = 10;  // pixels at 96 DPI

const CompanionShape kShape{"TForm4", "Song Tag", IDB_SONGTAG, &FaceLayout::songTagPlace};

RECT scaled(const RECT& box, const DisplayScale& scale) {
    return RECT{scale.px(box.left), scale.px(box.top), scale.px(box.right), scale.px(box.bottom)};
}

COLORREF labelColour(bool invertLabels) { return invertLabels ? RGB(0, 0, 0) : RGB(255, 255, 255); }

std::wstring shownText(const SongTagLine& line) {
    return line.isUnicode ? wideFromUtf16(line.unicodeText) : wideFromCodePage(line.codePageText);
}

}  // namespace

TForm4::TForm4(Links links)
    : CompanionWindow(kShape, links.playButton, links.theme),
      links_(std::move(links)),
      Label1(kArtistBox),
      Label2(kTitleBox) {
    Image1->onPaintOver = [this](HDC dc) { paintLabels(dc); };
    layOut();
    FormCreate();
}

void TForm4::FormCreate() {
    drawTheme(links_.theme);
    setLabelColour(links_.invertLabels);
}

void TForm4::layOut() {
    CompanionWindow::layOut();
    Label1.setBounds(scaled(kArtistBox, scale()));
    Label2.setBounds(scaled(kTitleBox, scale()));
    // Tahoma with a character height of 10 pixels at 96 DPI, made for the
    // scale rather than stretched.
    labelFont_.reset(CreateFontA(-scale().px(kLabelFontHeight), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                 DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_DONTCARE, "Tahoma"));
}

SongTagText TForm4::ShowID3(Tid3v2tag& reader, const std::string& path) {
    // The timers stop before the file is read, also when reading fails.
    update(&SongTagFade::stopTimers);
    const SongTagText lines = readSongTagText(reader, path, fileAttributes(path));
    showLines(lines);
    return lines;
}

void TForm4::showSongText(const SongTagText& lines) {
    update(&SongTagFade::stopTimers);
    showLines(lines);
}

void TForm4::showLines(const SongTagText& lines) {
    Label1.setText(shownText(lines.artist));
    Label2.setText(shownText(lines.title));
    Image1->invalidate();
    update(&SongTagFade::showSong);
}

void TForm4::setLabelColour(bool invertLabels) {
    Label1.setColour(labelColour(invertLabels));
    Label2.setColour(labelColour(invertLabels));
    Image1->invalidate();
}

void TForm4::FormShow() {
    placeTopmost(hwnd());
    // The popup's right edge lies one pixel left of the button. No adjustment
    // for the screen's edges: with the button at the left edge the popup lies
    // partly or wholly off the screen.
    placeBesideButton();
}

void TForm4::FormHide() {
    // The alpha and the timers are back at rest already (SongTagFade::hide).
    Label1.setText(std::wstring());
    Label2.setText(std::wstring());
    // This also ends a topmost state the button may have been given by a hotkey.
    if (links_.stayOnTop && !links_.stayOnTop()) placeAtBottom(links_.playButton);
}

void TForm4::paintLabels(HDC imageDc) const {
    // The labels' places are the popup's; the picture starts inside the frame.
    const int frame = faceLayout(scale()).frame;
    Label1.paint(imageDc, labelFont_.get(), -frame, -frame);
    Label2.paint(imageDc, labelFont_.get(), -frame, -frame);
}

}  // namespace plk
