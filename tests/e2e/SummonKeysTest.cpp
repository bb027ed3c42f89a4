#include "e2e/Harness.h"

namespace qx {
namespace {

using namespace qx::test;

class SummonKeysTest : public QuilloxE2eTest {
protected:
    // Presses the chord until the condition holds. A chord toggles once until the program has
    // seen every key up, which it samples on its own clock: a press it did not take is let go
    // for a moment and made again.
    template <typename Condition>
    static bool PressChordUntil(std::initializer_list<WORD> keys, Condition condition) {
        return WaitUntil([&] {
            {
                HeldKeys chord(keys);
                if (WaitUntil(condition, milliseconds(300))) return true;
            }
            return WaitUntil(condition, milliseconds(100));
        });
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
    EXPECT_TRUE(PressChordUntil({VK_LWIN, VK_CONTROL}, [&] { return IsParkedOffScreen(window); }))
        << "the second chord did not hide it";
}

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
