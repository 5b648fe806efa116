#include "tags/SongTagPopup.h"

#include <utility>

#include "resources/resource.h"
#include "tags/SongTagText.h"
#include "win32/ImageStrip.h"
#include "win32/LayeredWindow.h"
#include "win32/WideText.h"

namespace plk {
namespace {

const int kWidth = 152;
const int kHeight = 37;
const int kImageWidth = 150;
const int kImageHeight = 35;
// The popup's right edge lies one pixel left of the Play button.
const int kLeftOfButton = 153;

const UINT kFadeStep = 10;  // ms
const UINT kHold = 2200;    // ms

RECT bounds(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }

COLORREF labelColour(bool invertLabels) { return invertLabels ? RGB(0, 0, 0) : RGB(255, 255, 255); }

std::wstring shownText(const SongTagLine& line) {
    return line.isUnicode ? wideFromUtf16(line.unicodeText) : wideFromCodePage(line.codePageText);
}

}  // namespace

TForm4::TForm4(Links links)
    : FadingWindow({{SongTagFade::Timer1, kFadeStep}, {SongTagFade::Timer2, kHold}, {SongTagFade::Timer3, kFadeStep}}),
      links_(std::move(links)),
      Label1(bounds(8, 20, 137, 14)),
      Label2(bounds(8, 4, 137, 13)) {
    createLayered("TForm4", "Song Tag", kWidth, kHeight);
    ImageList1 = loadImageStrip(IDB_SONGTAG, kImageWidth, kImageHeight);
    Image1 = std::make_unique<ImageControl>(hwnd(), 1, 1, kImageWidth, kImageHeight);
    Image1->onPaintOver = [this](HDC dc) { paintLabels(dc); };
    // Tahoma with a character height of 10 pixels.
    labelFont_.reset(CreateFontA(-10, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Tahoma"));
    FormCreate();
}

void TForm4::FormCreate() {
    drawTheme(links_.theme);
    setLabelColour(links_.invertLabels);
}

void TForm4::ShowID3(Tid3v2tag& reader, const std::string& path) {
    // The timers stop before the file is read, also when reading fails.
    update(&SongTagFade::stopTimers);
    const SongTagText lines = readSongTagText(reader, path);
    Label1.setText(shownText(lines.artist));
    Label2.setText(shownText(lines.title));
    Image1->invalidate();
    update(&SongTagFade::showSong);
}

void TForm4::drawTheme(int theme) { Image1->drawImage(ImageList1.get(), theme); }

void TForm4::setLabelColour(bool invertLabels) {
    Label1.setColour(labelColour(invertLabels));
    Label2.setColour(labelColour(invertLabels));
    Image1->invalidate();
}

void TForm4::FormShow() {
    placeTopmost(hwnd());
    RECT button{};
    GetWindowRect(links_.playButton, &button);
    // No adjustment for the screen's edges: with the button at the left edge
    // the popup lies partly or wholly off the screen.
    moveWindowTo(hwnd(), button.left - kLeftOfButton, button.top, kWidth, kHeight);
}

void TForm4::FormHide() {
    // The alpha and the timers are back at rest already (SongTagFade::hide).
    Label1.setText(std::wstring());
    Label2.setText(std::wstring());
    // This also ends a topmost state the button may have been given by a hotkey.
    if (links_.stayOnTop && !links_.stayOnTop()) placeAtBottom(links_.playButton);
}

void TForm4::paintLabels(HDC imageDc) const {
    // The labels' places are the popup's; the picture starts at (1, 1).
    Label1.paint(imageDc, labelFont_.get(), -1, -1);
    Label2.paint(imageDc, labelFont_.get(), -1, -1);
}

}  // namespace plk
