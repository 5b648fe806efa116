// The About dialog in-process: its layout and its place on a second showing.
// The banner's pixels and the links under a real pointer are tested end to
// end (tests/e2e/test_about.py).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "about/AboutDialog.h"
#include "gui/Controls.h"
#include "tests/win/TestSupport.h"

namespace plk {
namespace {

class AboutDialogTest : public ::testing::Test {
protected:
    HWND item(TForm2::ControlId id) const { return GetDlgItem(dialog.hwnd(), id); }
    TForm2 dialog;
};

TEST_F(AboutDialogTest, IsCreatedHiddenWithItsLayout) {
    EXPECT_FALSE(dialog.visible());
    test::expectDialogFrame(dialog.hwnd(), "About", 449, 258);
    test::expectControlPlaces({
        {item(TForm2::GroupBox1), " Contact ", 8, 152, 177, 65},
        {dialog.label4().hwnd(), "plinkety.example.org", 20, 171, 133, 13},
        {dialog.label5().hwnd(), TForm2::kSupportMail, 20, 191, 152, 13},
        {item(TForm2::GroupBox2), " Version Summary ", 192, 152, 249, 65},
        {item(TForm2::Button1), "&OK", 368, 224, 75, 25},
    });
    EXPECT_EQ(controlText(item(TForm2::Label1)), "Version: 1.0");
    EXPECT_EQ(test::childRect(item(TForm2::Label1)).left, 204);
    EXPECT_EQ(test::childRect(item(TForm2::Label1)).top, 172);
    EXPECT_EQ(controlText(item(TForm2::Label2)), "Plinkety is free software under the MIT licence.");
    EXPECT_EQ(test::childRect(item(TForm2::Label2)).left, 7);
    EXPECT_EQ(test::childRect(item(TForm2::Label2)).top, 231);
    EXPECT_TRUE(GetWindowLongA(item(TForm2::Button1), GWL_STYLE) & BS_DEFPUSHBUTTON);
    for (LinkLabel* link : {&dialog.label4(), &dialog.label5()}) {
        EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(link->hwnd(), GCLP_HCURSOR)), LoadCursor(nullptr, IDC_HAND));
        // The whole address is seen: the link's text fits its width.
        const WindowDc dc(link->hwnd());
        const SelectObjectScope font(dc.get(), dialogFont());
        SIZE size{};
        GetTextExtentPoint32A(dc.get(), link->text().c_str(), static_cast<int>(link->text().size()), &size);
        EXPECT_LE(size.cx, test::childRect(link->hwnd()).right - test::childRect(link->hwnd()).left) << link->text();
    }
}

TEST_F(AboutDialogTest, IsCentredWhenFirstShownAndKeepsItsPlaceAfter) {
    test::expectCentredFirstThenKeepsItsPlace(dialog, item(TForm2::Button1));
}

// High contrast as the dialog is told it (Wine keeps no such setting), with
// the system's colours: its link colour, its text colour under the pointer.
TEST(AboutDialogContrast, InHighContrastTheLinksTakeTheSystemsColoursAndFollowAChange) {
    const COLORREF navy = RGB(0, 0, 128), blue = RGB(0, 0, 255);
    const COLORREF link = GetSysColor(COLOR_HOTLIGHT), text = GetSysColor(COLOR_BTNTEXT);
    ASSERT_TRUE(link != navy && text != blue);
    bool highContrast = true;
    TForm2 dialog([&] { return highContrast; });
    LinkLabel& web = dialog.label4();
    EXPECT_EQ(web.colour(), link);
    SendMessageA(web.hwnd(), WM_MOUSEMOVE, 0, 0);  // the pointer comes onto the link
    EXPECT_EQ(web.colour(), text);
    // Turned off and on again while the dialog lives, told by either message.
    highContrast = false;
    SendMessageA(dialog.hwnd(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    EXPECT_EQ(web.colour(), blue) << "still under the pointer";
    EXPECT_EQ(dialog.label5().colour(), navy);
    highContrast = true;
    SendMessageA(dialog.hwnd(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(dialog.label5().colour(), link);
    SendMessageA(web.hwnd(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(web.colour(), link);
}

TEST_F(AboutDialogTest, EscClosesItAsOkDoes) {
    dialog.showDialog();
    ASSERT_TRUE(dialog.visible());
    test::pressEscape(dialog.hwnd());
    EXPECT_FALSE(dialog.visible());
}

}  // namespace
}  // namespace plk
