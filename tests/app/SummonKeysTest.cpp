#include "app/SummonKeys.h"

#include <gtest/gtest.h>

#include "fakes/FakeKeyboardState.h"

namespace qx {
namespace {

using test::FakeKeyboardState;

class SummonKeysTest : public ::testing::Test {
protected:
    // One housekeeping tick of a started, unreleased window.
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

TEST_F(SummonKeysTest, ChordHeldForManyTicks_TogglesOnce) {
    keyboard.Press({vk::kLeftWindows, vk::kControl});
    EXPECT_EQ(CountToggles(300), 1);
    EXPECT_TRUE(summon.hotkeyLatch());
}

TEST_F(SummonKeysTest, ReleaseAllAndPressAgain_TogglesAgain) {
    keyboard.Press({vk::kLeftWindows, vk::kControl});
    EXPECT_EQ(CountToggles(10), 1);
    keyboard.ReleaseAll();
    EXPECT_EQ(CountToggles(2), 0);
    EXPECT_FALSE(summon.hotkeyLatch());
    keyboard.Press({vk::kLeftWindows, vk::kControl});
    EXPECT_EQ(CountToggles(10), 1);
}

TEST_F(SummonKeysTest, OneOfTheFourKeysStillDown_KeepsTheLatch) {
    keyboard.Press({vk::kLeftWindows, vk::kControl});
    EXPECT_EQ(CountToggles(4), 1);
    // Control let go and pressed again while Windows stays down: no second toggle.
    keyboard.Release({vk::kControl});
    EXPECT_EQ(CountToggles(4), 0);
    keyboard.Press({vk::kControl});
    EXPECT_EQ(CountToggles(4), 0);
    // Alt alone is not a chord but still holds the latch.
    keyboard.ReleaseAll();
    keyboard.Press({vk::kAlt});
    EXPECT_EQ(CountToggles(4), 0);
    EXPECT_TRUE(summon.hotkeyLatch());
    keyboard.Release({vk::kAlt});
    EXPECT_EQ(CountToggles(2), 0);
    EXPECT_FALSE(summon.hotkeyLatch());
}

TEST_F(SummonKeysTest, ChordSet_WindowsControlWindowsAltControlExtra) {
    struct Case {
        std::initializer_list<int> keys;
        int toggles;
    };
    const Case cases[] = {
        {{vk::kLeftWindows, vk::kControl}, 1},
        {{vk::kLeftWindows, vk::kAlt}, 1},
        {{vk::kControl, vk::kOem102}, 1},
        {{vk::kControl, vk::kAlt, vk::kOem102}, 0},
        {{vk::kLeftWindows, vk::kControl, vk::kAlt, vk::kOem102}, 1},  // Windows+Control holds
        {{vk::kAlt, vk::kOem102}, 0},
        {{vk::kControl, vk::kAlt}, 0},
        {{vk::kLeftWindows, vk::kOem102}, 0},
        {{vk::kLeftWindows}, 0},
        {{vk::kControl}, 0},
        {{vk::kOem102}, 0},
        {{0x5C, vk::kControl}, 0},  // the right Windows key is not polled
        {{vk::kShift, vk::kControl}, 0},
    };
    for (const Case& c : cases) {
        FakeKeyboardState keys;
        SummonKeys chord{keys};
        for (int key : c.keys) keys.down[key] = true;
        int toggles = 0;
        for (int tick = 0; tick < 6; ++tick) {
            chord.RefreshKeys();
            toggles += chord.ChordTick(true, false) == SummonDecision::Toggle ? 1 : 0;
        }
        EXPECT_EQ(toggles, c.toggles) << "keys starting with 0x" << std::hex << *c.keys.begin()
                                      << ", count " << c.keys.size();
    }
}

TEST_F(SummonKeysTest, ChordIsTestedOnlyOnEverySecondTick) {
    keyboard.Press({vk::kLeftWindows, vk::kControl});
    EXPECT_EQ(Tick(), SummonDecision::Nothing);  // divider 0 -> 1
    EXPECT_EQ(summon.tickDivider(), 1);
    EXPECT_FALSE(summon.hotkeyLatch());
    EXPECT_EQ(Tick(), SummonDecision::Toggle);
    EXPECT_EQ(summon.tickDivider(), 0);

    // Let go on a skipped tick and pressed again before the next chord test: the latch was
    // never seen clear, so nothing toggles.
    keyboard.ReleaseAll();
    EXPECT_EQ(Tick(), SummonDecision::Nothing);
    keyboard.Press({vk::kLeftWindows, vk::kControl});
    EXPECT_EQ(Tick(), SummonDecision::Nothing);
    EXPECT_TRUE(summon.hotkeyLatch());

    // A chord seen only on a skipped tick is missed.
    keyboard.ReleaseAll();
    EXPECT_EQ(CountToggles(2), 0);
    keyboard.Press({vk::kLeftWindows, vk::kAlt});
    summon.RefreshKeys();
    EXPECT_EQ(summon.ChordTick(true, false), SummonDecision::Nothing);
    keyboard.ReleaseAll();
    EXPECT_EQ(Tick(), SummonDecision::Nothing);
    EXPECT_FALSE(summon.hotkeyLatch());
}

TEST_F(SummonKeysTest, RefreshKeys_PollsTheFourKeysOnEveryTickEvenBeforeStart) {
    keyboard.Press({vk::kControl, vk::kOem102});
    for (int tick = 0; tick < 3; ++tick) Tick(false, false);
    for (int tick = 0; tick < 2; ++tick) Tick(true, true);
    for (int key : {vk::kLeftWindows, vk::kControl, vk::kAlt, vk::kOem102}) EXPECT_EQ(keyboard.polls[key], 5) << key;
    EXPECT_EQ(keyboard.polls[vk::kShift], 0);
    EXPECT_EQ(keyboard.polls[0x5C], 0);
    EXPECT_FALSE(summon.keys().windows);
    EXPECT_TRUE(summon.keys().control);
    EXPECT_FALSE(summon.keys().alt);
    EXPECT_TRUE(summon.keys().extra);
}

TEST_F(SummonKeysTest, BeforeStarted_ChordIsIgnoredAndTheDividerRests) {
    keyboard.Press({vk::kLeftWindows, vk::kControl});
    for (int tick = 0; tick < 7; ++tick) EXPECT_EQ(Tick(false, false), SummonDecision::Nothing);
    EXPECT_EQ(summon.tickDivider(), 0);
    EXPECT_FALSE(summon.hotkeyLatch());
    // A chord still held when start-up ends toggles on the second started tick.
    EXPECT_EQ(Tick(), SummonDecision::Nothing);
    EXPECT_EQ(Tick(), SummonDecision::Toggle);
}

TEST_F(SummonKeysTest, Released_NeverTogglesAndLeavesTheLatchAlone) {
    keyboard.Press({vk::kLeftWindows, vk::kAlt});
    EXPECT_EQ(CountToggles(2), 1);
    keyboard.ReleaseAll();
    for (int tick = 0; tick < 6; ++tick) EXPECT_EQ(Tick(true, true), SummonDecision::Nothing);
    // With no chord test the latch is never seen clear.
    EXPECT_TRUE(summon.hotkeyLatch());
    keyboard.Press({vk::kControl, vk::kOem102});
    for (int tick = 0; tick < 6; ++tick) EXPECT_EQ(Tick(true, true), SummonDecision::Nothing);
    EXPECT_EQ(summon.tickDivider(), 0);
}

TEST_F(SummonKeysTest, ChordWhileFirstLaunchQuestionIsOpen_OnlyKeepsTheLatch) {
    // The question is a message box over the visible main window, which it disables.
    const MinimiseButtonState questionOpen{false, false, ModalDialog::Other, true};
    keyboard.Press({vk::kLeftWindows, vk::kControl});
    int requests = 0;
    for (int tick = 0; tick < 40; ++tick) {
        if (Tick() == SummonDecision::Toggle && ResolveToggle(true, questionOpen) != VisibilityRequest::Nothing)
            ++requests;
        if (tick >= 1) {
            EXPECT_TRUE(summon.hotkeyLatch()) << tick;
        }
    }
    EXPECT_EQ(requests, 0);
    // Still held after the question is answered: nothing until all keys are let go.
    EXPECT_EQ(CountToggles(10), 0);
    keyboard.ReleaseAll();
    EXPECT_EQ(CountToggles(2), 0);
    keyboard.Press({vk::kLeftWindows, vk::kControl});
    EXPECT_EQ(CountToggles(2), 1);
}

TEST(MinimiseButtonAllowsTest, FileOpLockModalDialogsAndEnabledWindow) {
    struct Case {
        MinimiseButtonState state;
        bool allowed;
    };
    const Case cases[] = {
        {{false, true, ModalDialog::None, true}, true},
        {{true, true, ModalDialog::None, true}, false},
        {{true, false, ModalDialog::WebSearch, true}, false},
        {{false, false, ModalDialog::EditEntry, true}, true},
        {{false, false, ModalDialog::WebSearch, true}, true},
        {{false, false, ModalDialog::EditEntry, false}, false},  // covered by a message box
        {{false, false, ModalDialog::WebSearch, false}, false},
        {{false, false, ModalDialog::Other, true}, false},
        {{false, false, ModalDialog::None, true}, false},
        // An enabled main window minimises whatever the dialog fields say.
        {{false, true, ModalDialog::Other, false}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MinimiseButtonAllows(c.state), c.allowed)
            << c.state.fileOpLockHeld << c.state.mainWindowEnabled << static_cast<int>(c.state.openDialog)
            << c.state.openDialogEnabled;
    }
}

TEST(ResolveToggleTest, HiddenRestoresEvenWhileBlocked_VisibleMinimisesOnlyWhenAllowed) {
    const MinimiseButtonState free{};
    const MinimiseButtonState fileOp{true, true, ModalDialog::None, true};
    EXPECT_EQ(ResolveToggle(false, free), VisibilityRequest::Restore);
    EXPECT_EQ(ResolveToggle(false, fileOp), VisibilityRequest::Restore);
    EXPECT_EQ(ResolveToggle(true, free), VisibilityRequest::Minimise);
    EXPECT_EQ(ResolveToggle(true, fileOp), VisibilityRequest::Nothing);
}

}  // namespace
}  // namespace qx
