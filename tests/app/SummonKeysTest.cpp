#include "app/SummonKeys.h"

#include <gtest/gtest.h>

#include "fakes/FakeKeyboardState.h"

namespace qx {
namespace {

using test::FakeKeyboardState;

class SummonKeysTest : public ::testing::Test {
protected:
    SummonDecision Tick(bool started = true, bool released = false) {
        summon.RefreshKeys();
        return summon.ChordTick(started, released);
    }
    int CountToggles(int ticks) {
        int toggles = 0;
        for (int tick = 0; tick < ticks; ++tick) toggles += Tick() == SummonDecision::Toggle ? 1 : 0;
        return toggles;
    }

    FakeKeyboardState keyboard;
    SummonKeys summon{keyboard};
};

TEST_F(SummonKeysTest, HeldChordTogglesOnceAndOnlyLettingGoOfAllFourKeysRearmsIt) {
    keyboard.Press({vk::kLeftWindows, vk::kControl});
    EXPECT_EQ(CountToggles(300), 1);
    // Control let go and pressed again while Windows stays down: no second toggle.
    keyboard.Release({vk::kControl});
    EXPECT_EQ(CountToggles(4), 0);
    keyboard.Press({vk::kControl});
    EXPECT_EQ(CountToggles(4), 0);
    // Alt alone is no chord but still holds the latch.
    keyboard.ReleaseAll();
    keyboard.Press({vk::kAlt});
    EXPECT_EQ(CountToggles(4), 0);
    EXPECT_TRUE(summon.hotkeyLatch());
    keyboard.ReleaseAll();
    EXPECT_EQ(CountToggles(2), 0);
    EXPECT_FALSE(summon.hotkeyLatch());
    keyboard.Press({vk::kLeftWindows, vk::kControl});
    EXPECT_EQ(CountToggles(10), 1);
}

TEST_F(SummonKeysTest, WindowsControlWindowsAltAndControlExtraToggle) {
    const std::pair<std::vector<int>, int> cases[] = {
        {{vk::kLeftWindows, vk::kControl}, 1},
        {{vk::kLeftWindows, vk::kAlt}, 1},
        {{vk::kControl, vk::kOem102}, 1},
        {{vk::kControl, vk::kAlt, vk::kOem102}, 0},
        {{vk::kLeftWindows, vk::kControl, vk::kAlt, vk::kOem102}, 1},  // Windows+Control holds
        {{vk::kControl, vk::kAlt}, 0},
        {{vk::kLeftWindows, vk::kOem102}, 0},
        {{vk::kLeftWindows}, 0},
        {{0x5C, vk::kControl}, 0},  // the right Windows key is not polled
        {{vk::kShift, vk::kControl}, 0},
    };
    for (const auto& [keys, expected] : cases) {
        keyboard.ReleaseAll();
        CountToggles(2);  // rearms
        for (int key : keys) keyboard.down[key] = true;
        EXPECT_EQ(CountToggles(6), expected) << "keys starting with 0x" << std::hex << keys[0] << ", " << keys.size();
    }
}

TEST_F(SummonKeysTest, OnlyEverySecondStartedUnreleasedTickTestsTheChordButEveryTickPolls) {
    keyboard.Press({vk::kLeftWindows, vk::kControl});
    for (int tick = 0; tick < 7; ++tick) EXPECT_EQ(Tick(false, false), SummonDecision::Nothing);
    EXPECT_FALSE(summon.hotkeyLatch());
    EXPECT_EQ(Tick(), SummonDecision::Nothing);
    EXPECT_EQ(Tick(), SummonDecision::Toggle);
    // Let go on a skipped tick and pressed again before the next test: still latched.
    keyboard.ReleaseAll();
    EXPECT_EQ(Tick(), SummonDecision::Nothing);
    keyboard.Press({vk::kLeftWindows, vk::kControl});
    EXPECT_EQ(Tick(), SummonDecision::Nothing);
    keyboard.ReleaseAll();
    EXPECT_EQ(CountToggles(2), 0);
    keyboard.Press({vk::kControl, vk::kOem102});
    for (int tick = 0; tick < 6; ++tick) EXPECT_EQ(Tick(true, true), SummonDecision::Nothing);
    for (int key : {vk::kLeftWindows, vk::kControl, vk::kAlt, vk::kOem102}) EXPECT_EQ(keyboard.polls[key], 19) << key;
    EXPECT_TRUE(summon.keys().control && summon.keys().extra);
    EXPECT_FALSE(summon.keys().windows || summon.keys().alt);
}

TEST(MinimiseButtonTest, AllowedByFileOpLockModalDialogsAndEnabledWindow) {
    const std::pair<MinimiseButtonState, bool> cases[] = {
        {{false, true, ModalDialog::Other, false}, true},  // an enabled main window always may
        {{true, true, ModalDialog::None, true}, false},
        {{false, false, ModalDialog::EditEntry, true}, true},
        {{false, false, ModalDialog::WebSearch, true}, true},
        {{false, false, ModalDialog::EditEntry, false}, false},  // covered by a message box
        {{false, false, ModalDialog::Other, true}, false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(MinimiseButtonAllows(cases[i].first), cases[i].second) << i;
    const MinimiseButtonState fileOp{true, true, ModalDialog::None, true};
    EXPECT_EQ(ResolveToggle(false, fileOp), VisibilityRequest::Restore);  // restoring is never blocked
    EXPECT_EQ(ResolveToggle(true, MinimiseButtonState{}), VisibilityRequest::Minimise);
    EXPECT_EQ(ResolveToggle(true, fileOp), VisibilityRequest::Nothing);
}

}  // namespace
}  // namespace qx
