// The shared window plumbing when the system refuses it: the failure is
// raised with the system's text, for the error box, instead of leaving a
// window that is not there.
#include "win32/Window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/SystemMessage.h"
#include "win32/Controls.h"
#include "win32/GuiThreadCall.h"

namespace plk {
namespace {

class PlainWindow : public Window {
public:
    explicit PlainWindow(const std::string& className) {
        WindowParams params;
        params.className = className.c_str();
        create(params);
    }
};

// The system's text for what the call raises, or "" when it raises nothing.
template <typename Call>
std::string raisedText(Call call) {
    try {
        call();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "";
}

TEST(WindowTest, AClassOrAWindowTheSystemRefusesIsRaisedWithItsText) {
    // Class names end at 255 characters.
    const std::string tooLong(300, 'c');
    const std::string refusedClass = raisedText([&] { PlainWindow window(tooLong); });
    EXPECT_FALSE(refusedClass.empty());
    EXPECT_NE(refusedClass, "Unexpected error");

    const std::string refusedWindow = raisedText([] {
        makeButton(nullptr, 1, "&OK", {0, 0, 75, 25});  // a child needs a parent
    });
    EXPECT_EQ(refusedWindow, systemMessage(ERROR_TLW_WITH_WSCHILD));
}

// A window-closing tool sends WM_CLOSE to every window it finds: the popups
// and the worker hand-over window must outlive it, as their objects do.
TEST(WindowTest, ACloseFromOutsideLeavesTheWindowToItsObject) {
    PlainWindow plain("PlinketyPlainWindow");
    const GuiThreadCall handOver;
    const HWND handOverWindow = FindWindowExA(HWND_MESSAGE, nullptr, "PlinketyGuiThreadCall", nullptr);
    for (const HWND window : {plain.hwnd(), handOverWindow}) {
        SendMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(window && IsWindow(window));
    }
}

// Other windows keep their own numbers in their user data: a control of this
// process, another program's window. Only the program's own windows give
// their object back.
TEST(WindowTest, OnlyTheProgramsOwnWindowsGiveTheirObjectBack) {
    PlainWindow plain("PlinketyPlainWindow");
    const HWND control = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, plain.hwnd(), nullptr,
                                         GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(control);
    struct Case {
        const char* what;
        HWND window;
        LONG_PTR userData;  // set on the window first, unless 0
        const Window* expected;
    };
    const Case cases[] = {
        {"the program's window", plain.hwnd(), 0, &plain},
        {"a control holding a number", control, 0x10, nullptr},
        {"a control holding a live window's address", control, reinterpret_cast<LONG_PTR>(&plain), nullptr},
        {"another process's window", GetDesktopWindow(), 0, nullptr},
        {"no window", nullptr, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.userData) SetWindowLongPtrA(c.window, GWLP_USERDATA, c.userData);
        EXPECT_EQ(Window::fromHandle(c.window), c.expected);
    }
    // Such a window's scale is its monitor's, not one read through its number.
    SetWindowLongPtrA(control, GWLP_USERDATA, 0x10);
    EXPECT_EQ(Window::scaleOf(control).dpi(), kBaseDpi);
    DestroyWindow(control);
}

// MS Sans Serif is a bitmap font for 96 DPI; at other scales its TrueType
// twin letters the dialogs, at the same point size.
TEST(WindowTest, TheDialogFontIsTheBitmapOneOnlyAt96Dpi) {
    struct Case {
        int dpi;
        const char* face;
        int height;
    };
    const Case cases[] = {
        {96, "MS Sans Serif", -11},         {120, "Microsoft Sans Serif", -13}, {144, "Microsoft Sans Serif", -16},
        {192, "Microsoft Sans Serif", -21}, {288, "Microsoft Sans Serif", -32}, {72, "Microsoft Sans Serif", -8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        LOGFONTA font{};
        ASSERT_EQ(GetObjectA(dialogFont(c.dpi), sizeof font, &font), static_cast<int>(sizeof font));
        EXPECT_STREQ(font.lfFaceName, c.face);
        EXPECT_EQ(font.lfHeight, c.height);
    }
}

}  // namespace
}  // namespace plk
