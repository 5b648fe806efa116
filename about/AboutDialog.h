// The About dialog: the banner, the version, and two links, to the web site
// and to a new e-mail to the support address. Modeless; closing only hides it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "gui/HighContrast.h"
#include "gui/JpegBitmap.h"
#include "gui/LinkLabel.h"
#include "gui/ModelessDialog.h"

namespace plk {

class TForm2 : public ModelessDialog {
public:
    // Child control ids, for GetDlgItem.
    enum ControlId { Button1 = 100, GroupBox1, GroupBox2, Label1, Label2 };

    // The addresses the links show and open.
    static const char kWebSite[];
    static const char kSupportMail[];

    // highContrast tells whether the user has high contrast on.
    explicit TForm2(std::function<bool()> highContrast = highContrastOn);

    void Button1Click();
    void Label4Click();
    void Label4MouseEnter();
    void Label4MouseLeave();
    void Label5Click();
    void Label5MouseEnter();
    void Label5MouseLeave();

    LinkLabel& label4() { return *Label4; }
    LinkLabel& label5() { return *Label5; }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void createControls();
    // The banner as shown at the dialog's scale.
    void scaleBanner();
    void paint();
    void openAddress(const std::string& address);
    COLORREF linkColour(bool pointerOn) const;
    // High contrast turned on or off, or its colours changed.
    void recolourLinks();

    std::function<bool()> highContrast_;
    JpegBitmap Image1;  // the banner, drawn by the dialog itself
    BitmapHandle scaledBanner_;  // Image1 at the dialog's scale, unless 96 DPI
    std::unique_ptr<LinkLabel> Label4;
    std::unique_ptr<LinkLabel> Label5;
};

}  // namespace plk
