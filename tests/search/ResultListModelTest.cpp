#include "search/ResultListModel.h"
#include "search/WaitingKeys.h"

#include <gtest/gtest.h>

#include "search/ResultListFixture.h"

namespace qx {
namespace {

using Rows = std::vector<std::string>;

class ResultListModelTest : public test::ResultListFixture {
protected:
    void SetUp() override {
        ResultListFixture::SetUp();
        AddEntries({"nobody", "north", "note a", "notepad", "notes", "nothing", "a nothing"});
    }
    WaitingKeys& Keys() { return model->waitingKeys(); }
};
using WaitingKeysTest = ResultListModelTest;

TEST_F(ResultListModelTest, TimerRebuildsOnTheSecondTickAfterAChangeAndNotWhileLocked) {
    Type("not");
    Tick();
    EXPECT_EQ(list.Count(), 0);
    Tick();
    EXPECT_EQ(Shown(), (Rows{"note a", "notepad", "notes", "nothing", "a nothing"}));
    list.SetSelected(3);
    list.SetTopIndex(2);
    Type("nob");
    lockFree = false;
    Tick(5);
    EXPECT_EQ(list.SelectedIndex(), 3);
    EXPECT_EQ(model->cycleCounter(), 7);  // the caret blinks on regardless
    lockFree = true;
    Tick(2);
    EXPECT_EQ(Shown(), Rows{"nobody"});
    EXPECT_EQ(list.SelectedIndex(), 0);
    EXPECT_EQ(list.TopIndex(), 0);
    AddEntries({"nobel"});
    model->RefreshList();  // the search results are searched again
    EXPECT_EQ(Shown(), (Rows{"nobel", "nobody"}));
}

TEST_F(ResultListModelTest, FolderBrowsingListsThroughItsHookAndRereadsEvery21Ticks) {
    Type("<C:\\");
    Tick(2);
    EXPECT_EQ(list.Count(), 0);  // the entry search did not run
    Tick(20);
    windowEnabled = false;  // a dialog is open
    Tick(21);
    model->UniversalUpdate(true, true);
    EXPECT_EQ(calls, (Rows{"list folder", "refresh folder", "list folder reload"}));
}

TEST_F(ResultListModelTest, AllEntriesViewShowsEveryEntryAndReturnsToSlotOne) {
    lockFree = false;
    model->ChangeToListBox();
    EXPECT_TRUE(query.searchResultsView);  // locked: stays
    lockFree = true;
    model->ChangeToListBox();
    EXPECT_EQ(calls.back(), "input ''");
    EXPECT_EQ(Shown(), (Rows{"a nothing", "nobody", "north", "note a", "notepad", "notes", "nothing"}));
    EXPECT_FALSE(model->waitingKeys().enabled());

    list.SetSelected(5);
    list.SetTopIndex(4);
    Type("nob");  // switches to the search results, whose keys wait for their rows again
    EXPECT_TRUE(model->waitingKeys().enabled());
    Tick(2);
    ASSERT_EQ(Shown(), Rows{"nobody"});
    model->ChangeToListBox();
    EXPECT_EQ(list.SelectedText(), "notes");
    EXPECT_EQ(list.TopIndex(), 4);
    AddEntries({"aaa"});
    model->RefreshList();
    EXPECT_EQ(Shown()[1], "aaa");  // the blank of "a nothing" sorts first
    EXPECT_EQ(list.SelectedIndex(), 5);
    EXPECT_EQ(list.TopIndex(), 4);
}

TEST_F(ResultListModelTest, RemovingAFolderListingRowFreesItsEntryButAStoredEntryStays) {
    auto folderEntry = std::make_unique<Entry>();
    folderEntry->iconState = IconState::FolderListing;
    Entry* folderRaw = folderEntry.get();
    list.Items().AddObject("readme.txt", std::make_unique<RowData>(std::move(folderEntry)));
    RowList& entries = store->EntryList();
    list.Items().AddObjectRef(entries.Strings(1), entries.Objects(1));
    IconHandle folderIcon = std::make_shared<int>(1), storedIcon = std::make_shared<int>(2);
    std::weak_ptr<void> folderWatch = folderIcon, storedWatch = storedIcon;
    store->IconCache().Give(*folderRaw, std::move(folderIcon));
    store->IconCache().Give(EntryAt(entries, 1), std::move(storedIcon));

    ASSERT_TRUE(list.Items().Delete(1));
    EXPECT_FALSE(storedWatch.expired());
    EXPECT_EQ(EntryAt(entries, 1).Name(), "nobody");
    ASSERT_TRUE(list.Items().Delete(0));
    EXPECT_TRUE(folderWatch.expired());
}

// Down, Down, Enter typed before the rows follow the input: the end-to-end launch test.
TEST_F(WaitingKeysTest, MovesClampToTheRowsTheyActOnAndAReplayedOneScrollsBackToTheTop) {
    Type("not");
    Tick(2);
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
    Tick(4);
    EXPECT_TRUE(launched.empty());
    EXPECT_EQ(calls, Rows{});
}

class ForgetLineTest : public test::ResultListFixture {
protected:
    void SetUp() override {
        ResultListFixture::SetUp();
        fs.Put(kOrders, "exe: calc\r\nexe: cmd\r\nexe: notepad\r\n");
        fs.Put(kUrls, "url: a.example\r\nurl: b.example\r\n");
        (void)store->LoadHistories(false);
        AddEntries({"calc", "cmd"});
    }
    const std::string kOrders = test::kResultsData + "OldOrders.txt";
    const std::string kUrls = test::kResultsData + "OldURLs.txt";
};

TEST_F(ForgetLineTest, DeleteOnAHistoryRowRemovesItsLineButRowZeroAndEntriesForgetNothing) {
    Type(",");
    Tick(2);
    (void)model->ForgetLine();  // row 0
    list.SetSelected(2);
    (void)model->ForgetLine();
    EXPECT_EQ(fs.Get(kOrders), "exe: calc\r\nexe: notepad\r\n");
    EXPECT_EQ(fs.Get(kUrls), "url: a.example\r\nurl: b.example\r\n");
    EXPECT_EQ(Shown(), (Rows{"exe: ", "exe: calc", "exe: notepad"}));
    EXPECT_EQ(list.SelectedIndex(), 2);
    const int writes = fs.writeCount();
    Type("c");
    Tick(2);
    list.SetSelected(1);
    (void)model->ForgetLine();
    EXPECT_EQ(fs.writeCount(), writes);
    EXPECT_EQ(store->CommandHistory().Count(), 2);
}

TEST_F(ForgetLineTest, UrlModeForgetsFromTheUrlHistoryAndReportsAFullDisk) {
    fs.FailWrites(kUrls);
    Type(".");
    Tick(2);
    list.SetSelected(1);
    const Failures failures = model->ForgetLine();
    EXPECT_EQ(store->UrlHistory().Lines(), Rows{"url: b.example"});
    EXPECT_EQ(fs.Get(kOrders), "exe: calc\r\nexe: cmd\r\nexe: notepad\r\n");
    EXPECT_EQ(failures.Messages(), Rows{"There is not enough space on the disk."});
}

}  // namespace
}  // namespace qx
