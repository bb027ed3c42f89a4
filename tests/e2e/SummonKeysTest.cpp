#include "e2e/Harness.h"

namespace qx {
namespace {

using namespace qx::test;
using std::chrono::milliseconds;

constexpr milliseconds kQuietPeriod{1000};

class SummonKeysTest : public QuilloxE2eTest {
protected:
    HWND StartHidden() {
        MarkAsLaunchedBefore();
        AppProcess& quillox = StartQuillox();
        HWND window = WaitForRunningWindow(quillox);
        if (window && !WaitUntil([&] { return IsParkedOffScreen(window); })) {
            ADD_FAILURE() << "the window did not start hidden";
        }
        return window;
    }
};

TEST_F(SummonKeysTest, WindowsCtrl_ShowsOnceWhileHeld_AndHidesOnTheNextPress) {
    HWND window = StartHidden();
    ASSERT_NE(window, nullptr);
    {
        HeldKeys chord({VK_LWIN, VK_CONTROL});
        ASSERT_TRUE(chord.Pressed());
        EXPECT_TRUE(WaitUntil([&] { return IsShownOnScreen(window); })) << "the chord did not show the window";
        // Held on, the chord toggles nothing more.
        EXPECT_FALSE(WaitUntil([&] { return !IsShownOnScreen(window); }, kQuietPeriod));
        EXPECT_TRUE(IsCentredOnWorkArea(window));
    }
    // Released long enough for the latch to clear, then pressed again.
    Sleep(200);
    {
        HeldKeys chord({VK_LWIN, VK_CONTROL});
        EXPECT_TRUE(WaitUntil([&] { return IsParkedOffScreen(window); })) << "the second chord did not hide it";
    }
}

TEST_F(SummonKeysTest, CtrlAndExtraKey_ShowsButNotWithAlt) {
    HWND window = StartHidden();
    ASSERT_NE(window, nullptr);
    {
        // Ctrl last down and first up: no moment with Ctrl and the extra key but not Alt.
        HeldKeys chord({VK_MENU, VK_OEM_102, VK_CONTROL});
        EXPECT_FALSE(WaitUntil([&] { return IsShownOnScreen(window); }, kQuietPeriod));
    }
    Sleep(200);
    {
        HeldKeys chord({VK_CONTROL, VK_OEM_102});
        EXPECT_TRUE(WaitUntil([&] { return IsShownOnScreen(window); }));
    }
}

}  // namespace
}  // namespace qx
