// The shared window plumbing when the system refuses it: the failure is
// raised with the system's text, for the error box, instead of leaving a
// window that is not there.
#include "gui/Window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "gui/Controls.h"
#include "gui/GuiThreadCall.h"
#include "platform/SystemMessage.h"

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

// Any other window's user data is its own: even a live window's address in
// it gives no object back, and a number in it is never read as one.
TEST(WindowTest, OnlyTheProgramsOwnWindowsGiveTheirObjectBack) {
    PlainWindow plain("PlinketyPlainWindow");
    const HWND control = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, plain.hwnd(), nullptr, nullptr,
                                         nullptr);
    EXPECT_EQ(Window::fromHandle(plain.hwnd()), &plain);
    SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&plain));
    EXPECT_EQ(Window::fromHandle(control), nullptr);
    SetWindowLongPtrA(control, GWLP_USERDATA, 0x10);
    EXPECT_EQ(Window::fromHandle(control), nullptr);
    EXPECT_EQ(Window::scaleOf(control).dpi(), kBaseDpi);  // its monitor's
    DestroyWindow(control);
}

// MS Sans Serif is a bitmap font for 96 DPI; at other scales its TrueType
// twin letters the dialogs.
TEST(WindowTest, TheDialogFontIsTheBitmapOneOnlyAt96Dpi) {
    for (const int dpi : {72, 96, 120, 144, 288}) {
        LOGFONTA font{};
        GetObjectA(dialogFont(dpi), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, dpi == kBaseDpi ? "MS Sans Serif" : "Microsoft Sans Serif") << dpi;
    }
}

}  // namespace
}  // namespace plk
