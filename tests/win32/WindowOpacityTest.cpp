#include <gtest/gtest.h>

#include "app/win32/WindowOpacity.h"

namespace qx {
namespace {

// Layered with magenta as the colour key (and alpha below 255); switched off, and on a system
// without SetLayeredWindowAttributes, the window keeps exactly the style it was made with.
TEST(WindowOpacityTest, LayersWithTheMagentaKeyOrKeepsTheWindowsOwnStyle) {
    const HWND window =
        CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const LONG_PTR own = GetWindowLongPtrA(window, GWL_EXSTYLE);
    WindowOpacity opacity;
    opacity.Attach(window);
    struct Case {
        int alpha;
        DWORD flags;  // 0: not layered
    };
    for (const Case& c : {Case{128, LWA_COLORKEY | LWA_ALPHA}, Case{255, LWA_COLORKEY}, Case{-1, 0},
                          Case{230, LWA_COLORKEY | LWA_ALPHA}}) {
        EXPECT_TRUE(opacity.Apply(c.alpha)) << c.alpha;
        const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
        EXPECT_EQ(style & ~static_cast<LONG_PTR>(WS_EX_LAYERED), own) << c.alpha;
        ASSERT_EQ((style & WS_EX_LAYERED) != 0, c.flags != 0) << c.alpha;
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        if (!c.flags) continue;
        ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
        EXPECT_EQ(key, RGB(255, 0, 255));
        EXPECT_EQ(flags, c.flags) << c.alpha;
        if (flags & LWA_ALPHA) {
            EXPECT_EQ(alpha, c.alpha);
        }
    }
    WindowOpacity missing{nullptr};
    missing.Attach(window);
    EXPECT_FALSE(missing.Apply(128));
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE), own);
    EXPECT_TRUE(missing.Apply(-1));
    DestroyWindow(window);
}

}  // namespace
}  // namespace qx
