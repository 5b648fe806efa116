#include "about/AboutDialog.h"

#include <utility>

#include "face/FaceFrame.h"
#include "gui/BitmapPixels.h"
#include "gui/Controls.h"
#include "gui/MonitorDpi.h"
#include "resources/ProductInfo.h"
#include "resources/resource.h"
#include "system/Shell32.h"

namespace plk {
namespace {

const COLORREF kNavy = RGB(0, 0, 128);
const COLORREF kBlue = RGB(0, 0, 255);

// The banner sits above and left of the client area: its first 20 columns
// and 8 rows, and what lies beyond the client area's right edge, are not seen.
const int kImage1Left = -20;
const int kImage1Top = -8;

// The web site's link shows the address as people say it: without its
// scheme and without a lone trailing slash.
std::string shownAddress(std::string address) {
    for (const char* scheme : {"https://", "http://"})
        if (address.rfind(scheme, 0) == 0) address.erase(0, std::char_traits<char>::length(scheme));
    if (!address.empty() && address.back() == '/' && address.find('/') == address.size() - 1) address.pop_back();
    return address;
}

}  // namespace

const char TForm2::kWebSite[] = PLINKETY_WEBSITE;
const char TForm2::kSupportMail[] = PLINKETY_EMAIL;

TForm2::TForm2(std::function<bool()> highContrast) : highContrast_(std::move(highContrast)) {
    // Enter and Esc both press OK.
    createDialog("TForm2", "About", 449, 258, Button1, Button1);
    try {
        Image1 = loadJpegResource(IDR_BANNER);
    } catch (const std::exception&) {
        // A banner that does not decode leaves the dialog without a picture.
    }
    scaleBanner();
    createControls();
}

void TForm2::scaleBanner() {
    // The banner is drawn for 96 DPI; at another it is resized with the area
    // filter, which keeps the lettering smooth (and, as for every picture of
    // the program, never makes the floating windows' colour key).
    scaledBanner_.reset();
    if (Image1.bitmap && scale().dpi() != kBaseDpi)
        scaledBanner_ = resizedBitmap(Image1.bitmap.get(), scale().px(Image1.width), scale().px(Image1.height),
                                      kColourKey);
}

void TForm2::createControls() {
    const HWND self = hwnd();
    // A group's controls are children of the dialog at the group's offset.
    const int g1x = 8, g1y = 152, g2x = 192, g2y = 152;
    makeGroupBox(self, GroupBox1, " Contact ", {g1x, g1y, 177, 65});
    Label4 =
        std::make_unique<LinkLabel>(self, shownAddress(kWebSite), g1x + 12, g1y + 19, 133, 13, linkColour(false));
    Label5 = std::make_unique<LinkLabel>(self, kSupportMail, g1x + 12, g1y + 39, 152, 13, linkColour(false));
    makeGroupBox(self, GroupBox2, " Version Summary ", {g2x, g2y, 249, 65});
    makeLabel(self, Label1, "Version: " PLINKETY_VERSION_TEXT, g2x + 12, g2y + 20);
    makeLabel(self, Label2, "Plinkety is free software under the MIT licence.", 7, 231);
    makeDefaultButton(self, Button1, "&OK", {368, 224, 75, 25});

    onCommand(Button1, [this] { Button1Click(); });
    Label4->onClick = [this] { Label4Click(); };
    Label4->onMouseEnter = [this] { Label4MouseEnter(); };
    Label4->onMouseLeave = [this] { Label4MouseLeave(); };
    Label5->onClick = [this] { Label5Click(); };
    Label5->onMouseEnter = [this] { Label5MouseEnter(); };
    Label5->onMouseLeave = [this] { Label5MouseLeave(); };
}

void TForm2::Button1Click() { hide(); }

void TForm2::Label4Click() { openAddress(kWebSite); }
void TForm2::Label4MouseEnter() { Label4->setColour(linkColour(true)); }
void TForm2::Label4MouseLeave() { Label4->setColour(linkColour(false)); }

void TForm2::Label5Click() { openAddress(std::string("mailto:") + kSupportMail + "?subject=About"); }
void TForm2::Label5MouseEnter() { Label5->setColour(linkColour(true)); }
void TForm2::Label5MouseLeave() { Label5->setColour(linkColour(false)); }

COLORREF TForm2::linkColour(bool pointerOn) const {
    // Navy, and blue under the pointer. On a high-contrast theme's face
    // (black, say) navy cannot be read: the theme's link colour then, and
    // its text colour under the pointer.
    if (highContrast_()) return GetSysColor(pointerOn ? COLOR_BTNTEXT : COLOR_HOTLIGHT);
    return pointerOn ? kBlue : kNavy;
}

void TForm2::recolourLinks() {
    for (LinkLabel* link : {Label4.get(), Label5.get()})
        if (link) link->setColour(linkColour(link->pointerOn()));  // a change may come before the links exist
}

void TForm2::openAddress(const std::string& address) {
    // The user's browser or mail program; what the shell makes of an address
    // it cannot open is its own business.
    shellExecuteA(hwnd(), nullptr, address.c_str(), nullptr, nullptr, SW_SHOW);
}

void TForm2::paint() {
    const PaintDc paint(hwnd());
    const HBITMAP banner = scaledBanner_ ? scaledBanner_.get() : Image1.bitmap.get();
    if (!banner) return;
    const MemoryDc source(CreateCompatibleDC(paint.get()));
    const SelectObjectScope select(source.get(), banner);
    BitBlt(paint.get(), scale().px(kImage1Left), scale().px(kImage1Top), scale().px(Image1.width),
           scale().px(Image1.height), source.get(), 0, 0, SRCCOPY);
}

LRESULT TForm2::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (contrastMayHaveChanged(message, wParam)) recolourLinks();
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_DPICHANGED: {
        const LRESULT result = ModelessDialog::handleMessage(message, wParam, lParam);
        scaleBanner();
        return result;
    }
    default:
        return ModelessDialog::handleMessage(message, wParam, lParam);
    }
}

}  // namespace plk
