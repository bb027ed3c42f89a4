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
    for (const auto& [alpha, flags] : {std::pair<int, DWORD>{128, LWA_COLORKEY | LWA_ALPHA}, {255, LWA_COLORKEY},
                                      {-1, 0}, {230, LWA_COLORKEY | LWA_ALPHA}}) {
        EXPECT_TRUE(opacity.Apply(alpha));
        EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE), flags ? own | WS_EX_LAYERED : own) << alpha;
        COLORREF key = 0;
        BYTE alphaRead = 0;
        DWORD flagsRead = 0;
        if (flags) {
            EXPECT_TRUE(GetLayeredWindowAttributes(window, &key, &alphaRead, &flagsRead) && key == RGB(255, 0, 255) &&
                        flagsRead == flags && (alpha == 255 || alphaRead == alpha))
                << alpha;
        }
    }
    WindowOpacity missing{nullptr};
    missing.Attach(window);
    EXPECT_FALSE(missing.Apply(128));
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE), own);
    DestroyWindow(window);
}

}  // namespace
}  // namespace qx
