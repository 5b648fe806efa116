// The About dialog in-process: its layout, the links' colours under the
// pointer, the addresses they hand to the shell (the recorder is registered
// for the web and mail schemes), and its place on a second showing.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "about/AboutDialog.h"
#include "tests/win/TestSupport.h"
#include "win32/Controls.h"

namespace plk {
namespace {

const COLORREF kNavy = RGB(0, 0, 128);
const COLORREF kBlue = RGB(0, 0, 255);

std::string WindowsPath(std::string unixPath) {
    for (char& c : unixPath)
        if (c == '/') c = '\\';
    return "Z:" + unixPath;
}

// The open command of a URL scheme, put back as it was at the end.
class SchemeRecorder {
public:
    explicit SchemeRecorder(const std::string& scheme) : key_("Software\\Classes\\" + scheme + "\\shell\\open\\command") {
        char value[1024] = {};
        DWORD size = sizeof value;
        had_ = RegGetValueA(HKEY_LOCAL_MACHINE, key_.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) == 0;
        previous_ = value;
        set("\"" + WindowsPath(PLINKETY_RECORDER_EXE) + "\" \"%1\"");
    }
    ~SchemeRecorder() {
        if (had_) set(previous_);
        else RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, key_.c_str(), nullptr);
    }

private:
    void set(const std::string& command) {
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, key_.c_str(), nullptr, REG_SZ, command.c_str(),
                        static_cast<DWORD>(command.size() + 1));
    }
    std::string key_, previous_;
    bool had_ = false;
};

// How many of a window's pixels have exactly this colour.
int PixelsOf(HWND window, COLORREF colour) {
    UpdateWindow(window);
    RECT area{};
    GetClientRect(window, &area);
    const HDC dc = GetDC(window);
    int count = 0;
    for (int y = 0; y < area.bottom; ++y)
        for (int x = 0; x < area.right; ++x) count += GetPixel(dc, x, y) == colour;
    ReleaseDC(window, dc);
    return count;
}

void Click(HWND window) {
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

class AboutDialogTest : public ::testing::Test {
protected:
    HWND item(TForm2::ControlId id) const { return GetDlgItem(dialog.hwnd(), id); }
    TForm2 dialog;
};

TEST_F(AboutDialogTest, IsCreatedHiddenWithItsLayout) {
    EXPECT_FALSE(dialog.visible());
    EXPECT_EQ(ControlText(dialog.hwnd()), "About");
    RECT client{};
    GetClientRect(dialog.hwnd(), &client);
    EXPECT_EQ(client.right, 449);
    EXPECT_EQ(client.bottom, 258);
    EXPECT_FALSE(GetWindowLongA(dialog.hwnd(), GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    struct Expected { HWND window; const char* text; int x, y, w, h; };
    const Expected controls[] = {
        {item(TForm2::GroupBox1), " Contact ", 8, 152, 177, 65},
        {dialog.label4().hwnd(), "plinkety.example.org", 20, 171, 133, 13},
        {dialog.label5().hwnd(), TForm2::kSupportMail, 20, 191, 152, 13},
        {item(TForm2::GroupBox2), " Version Summary ", 192, 152, 249, 65},
        {item(TForm2::Button1), "&OK", 368, 224, 75, 25},
    };
    for (const Expected& c : controls) {
        SCOPED_TRACE(c.text);
        const RECT r = test::ChildRect(c.window);
        EXPECT_EQ(r.left, c.x);
        EXPECT_EQ(r.top, c.y);
        EXPECT_EQ(r.right - r.left, c.w);
        EXPECT_EQ(r.bottom - r.top, c.h);
        EXPECT_EQ(ControlText(c.window), c.text);
    }
    EXPECT_EQ(ControlText(item(TForm2::Label1)), "Version: 1.0");
    EXPECT_EQ(test::ChildRect(item(TForm2::Label1)).left, 204);
    EXPECT_EQ(test::ChildRect(item(TForm2::Label1)).top, 172);
    EXPECT_EQ(ControlText(item(TForm2::Label2)), "Plinkety is free software under the MIT licence.");
    EXPECT_EQ(test::ChildRect(item(TForm2::Label2)).left, 7);
    EXPECT_EQ(test::ChildRect(item(TForm2::Label2)).top, 231);
    EXPECT_TRUE(GetWindowLongA(item(TForm2::Button1), GWL_STYLE) & BS_DEFPUSHBUTTON);
    for (LinkLabel* link : {&dialog.label4(), &dialog.label5()}) {
        EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(link->hwnd(), GCLP_HCURSOR)), LoadCursor(nullptr, IDC_HAND));
        // The whole address is seen: the link's text fits its width.
        const HDC dc = GetDC(link->hwnd());
        SIZE size{};
        {
            SelectObjectScope font(dc, DialogFont());
            GetTextExtentPoint32A(dc, link->text().c_str(), static_cast<int>(link->text().size()), &size);
        }
        ReleaseDC(link->hwnd(), dc);
        EXPECT_LE(size.cx, test::ChildRect(link->hwnd()).right - test::ChildRect(link->hwnd()).left) << link->text();
    }
}

TEST_F(AboutDialogTest, LinksTurnBlueUnderThePointerAndNavyAfter) {
    dialog.showDialog();
    for (LinkLabel* link : {&dialog.label4(), &dialog.label5()}) {
        SCOPED_TRACE(link->text());
        EXPECT_GT(PixelsOf(link->hwnd(), kNavy), 0);
        EXPECT_EQ(PixelsOf(link->hwnd(), kBlue), 0);
        SendMessageA(link->hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        EXPECT_EQ(PixelsOf(link->hwnd(), kNavy), 0);
        EXPECT_GT(PixelsOf(link->hwnd(), kBlue), 0);
        SendMessageA(link->hwnd(), WM_MOUSELEAVE, 0, 0);
        EXPECT_GT(PixelsOf(link->hwnd(), kNavy), 0);
        EXPECT_EQ(PixelsOf(link->hwnd(), kBlue), 0);
    }
}

TEST_F(AboutDialogTest, LinksAskTheShellForTheirAddresses) {
    test::TempTree tree;
    const std::string log = tree.root() + "opened.log";
    SetEnvironmentVariableA("PLINKETY_RECORDER_LOG", log.c_str());
    SchemeRecorder web("https"), mail("mailto");
    const auto opened = [&] {
        std::ifstream in(log);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            if (!line.empty()) lines.push_back(line.back() == '\r' ? line.substr(0, line.size() - 1) : line);
        return lines;
    };
    dialog.showDialog();
    Click(dialog.label4().hwnd());
    ASSERT_TRUE(test::PumpUntil([&] { return opened().size() == 1; }, 20000));
    Click(dialog.label5().hwnd());
    ASSERT_TRUE(test::PumpUntil([&] { return opened().size() == 2; }, 20000));
    EXPECT_EQ(opened(), (std::vector<std::string>{"https://plinkety.example.org/",
                                                  "mailto:plinkety@example.org?subject=About"}));
}

TEST_F(AboutDialogTest, IsCentredWhenFirstShownAndKeepsItsPlaceAfter) {
    dialog.showDialog();
    EXPECT_TRUE(dialog.visible());
    const RECT first = dialog.windowRect();
    EXPECT_EQ(first.left, (GetSystemMetrics(SM_CXSCREEN) - (first.right - first.left)) / 2);
    EXPECT_EQ(first.top, (GetSystemMetrics(SM_CYSCREEN) - (first.bottom - first.top)) / 2);
    SetWindowPos(dialog.hwnd(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(item(TForm2::Button1), BM_CLICK, 0, 0);
    EXPECT_FALSE(dialog.visible());
    dialog.showDialog();
    EXPECT_EQ(dialog.windowRect().left, 40);
    EXPECT_EQ(dialog.windowRect().top, 50);
}

}  // namespace
}  // namespace plk
