#include "e2e/Harness.h"

namespace qx {
namespace {

using namespace qx::test;

using SummonKeysTest = QuilloxE2eTest;

// Shown means on screen by the time the window takes the focus, also where every show and hide
// takes Wine seconds; and a chord held on toggles nothing more.
TEST_F(SummonKeysTest, Managed_CtrlAndExtraKeyShowsTheWindowBeforeItTakesTheFocusButNotWithAlt) {
    HWND window = StartHidden();
    ASSERT_NE(window, nullptr);
    {
        // Ctrl last down and first up: no moment with Ctrl and the extra key but not Alt.
        HeldKeys chord({VK_MENU, VK_OEM_102, VK_CONTROL});
        EXPECT_FALSE(WaitUntil([&] { return IsShownOnScreen(window); }, kQuietPeriod));
    }
    HeldKeys chord({VK_CONTROL, VK_OEM_102});
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }));
    EXPECT_TRUE(IsShownOnScreen(window)) << "in front and focused but not shown";
    EXPECT_FALSE(WaitUntil([&] { return !IsShownOnScreen(window); }, kQuietPeriod));
}

}  // namespace
}  // namespace qx
