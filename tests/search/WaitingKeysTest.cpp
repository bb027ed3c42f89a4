#include "search/WaitingKeys.h"

#include <gtest/gtest.h>

#include "search/ResultListFixture.h"

namespace qx {
namespace {

using Rows = std::vector<std::string>;

class WaitingKeysTest : public test::ResultListFixture {
protected:
    void SetUp() override {
        ResultListFixture::SetUp();
        AddEntries({"nobody", "north", "note a", "notepad", "notes", "nothing", "a nothing"});
    }
    WaitingKeys& Keys() { return model->waitingKeys(); }
};

TEST_F(WaitingKeysTest, TypingThenDownDownEnterWithinOneTickLaunchesTheThirdRowOfTheFinalResults) {
    Type("no");
    Tick(2);
    // "t", Down, Down, Enter arrive before the next tick: the rows still belong to "no".
    Type("not");
    Keys().QueueMove(1);
    Keys().QueueMove(1);
    Keys().QueueLaunch();
    EXPECT_EQ(list.SelectedIndex(), 0);
    Tick(3);  // settling, rebuilt for "not", then the moves
    EXPECT_EQ(list.SelectedText(), "notes");
    EXPECT_TRUE(launched.empty());
    Tick(6);  // the launch, once
    EXPECT_EQ(launched, Rows{"notes"});

    Keys().QueueMove(100);  // current rows: at once, clamped
    EXPECT_EQ(list.SelectedIndex(), 4);
    Type("no");  // replayed: clamped too, and the view goes back to the top
    Keys().QueueMove(100);
    Tick(3);
    EXPECT_EQ(list.SelectedIndex(), 6);
    EXPECT_EQ(list.TopIndex(), 0);
}

TEST_F(WaitingKeysTest, EnterAndMovesOnAnEmptyInputAreDropped) {
    Tick(3);
    Keys().QueueMove(3);
    Keys().QueueLaunch();
    Tick();
    Type("not");  // the dropped keys do not come back
    Tick(6);
    EXPECT_TRUE(launched.empty());
    EXPECT_EQ(list.SelectedIndex(), 0);
    // A non-empty input keeps them until its rows are built.
    Keys().SetSettledText("no");
    Keys().QueueLaunch();
    Keys().ReplayWaitingKeys();
    EXPECT_TRUE(Keys().launchPending());
    Keys().SetSettledText("not");
    Keys().ReplayWaitingKeys();
    EXPECT_EQ(launched.size(), 1u);
}

TEST_F(WaitingKeysTest, KeysActAtOnceInTheAllEntriesViewWhenTheLockIsFree) {
    model->ChangeToListBox();
    Keys().QueueMove(2);
    EXPECT_EQ(list.SelectedText(), "north");  // from row 0, "a nothing"
    Keys().QueueGoInto();
    EXPECT_EQ(calls.back(), "go into north");
    lockFree = false;
    Keys().QueueLaunch();
    EXPECT_TRUE(launched.empty());
    lockFree = true;
    Keys().QueueLaunch();
    EXPECT_EQ(launched, Rows{"north"});
}

TEST_F(WaitingKeysTest, MovesOnCurrentRowsAreImmediateButWaitBehindAGoInto) {
    Type("not");
    Tick(2);
    Keys().QueueMove(1);
    EXPECT_EQ(list.SelectedText(), "notepad");
    Keys().QueueGoInto();
    Keys().QueueMove(1);  // the go-into may change the rows first
    Tick();
    EXPECT_EQ(calls.back(), "go into notepad");
    EXPECT_EQ(list.SelectedText(), "notepad");
    Tick();
    EXPECT_EQ(list.SelectedText(), "notes");
}

TEST_F(WaitingKeysTest, HidingTheWindowForgetsQueuedKeys) {
    Type("not");
    Tick(2);
    Keys().QueueGoInto();
    Keys().QueueLaunch();
    Keys().MarkStale();
    EXPECT_TRUE(Keys().IsStale());
    Tick(4);
    EXPECT_TRUE(launched.empty());
    EXPECT_EQ(calls, Rows{});
}

}  // namespace
}  // namespace qx
