// Controls that take every change at once but are drawn at the timer's tick.
#include "gui/CoalescedPaint.h"

#include <gtest/gtest.h>

#include "gui/Controls.h"
#include "tests/win/TestSupport.h"

namespace plk {
namespace {

int g_paints = 0;
WNDPROC g_staticProc = nullptr;

LRESULT CALLBACK countPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) ++g_paints;
    return CallWindowProcA(g_staticProc, window, message, wParam, lParam);
}

TEST(CoalescedPaintTest, EveryTickDrawsTheLatestTextEvenWhenTheNextChangeFollowsAtOnce) {
    const HWND host = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 40, nullptr, nullptr,
                                      nullptr, nullptr);
    const HWND label = makeFixedLabel(host, 1, "", {0, 0, 200, 20});
    g_staticProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&countPaints)));
    test::pumpFor(100);
    g_paints = 0;
    {
        CoalescedPaint paint(host, 60000);  // no tick of its own here: flush stands for it
        paint.send(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1"));
        EXPECT_EQ(controlText(label), "1");
        test::pumpFor(50);
        EXPECT_EQ(g_paints, 0);

        // The tick, and the next step of a run before the GUI thread is free.
        paint.flush();
        paint.send(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("2"));
        test::pumpFor(50);
        EXPECT_EQ(g_paints, 1);

        paint.flush();
        EXPECT_EQ(g_paints, 2);
        EXPECT_TRUE(IsWindowVisible(label));
    }
    DestroyWindow(host);
}

}  // namespace
}  // namespace plk
