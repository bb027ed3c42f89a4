#include "search/ResultListModel.h"

#include <gtest/gtest.h>

#include "search/ResultListFixture.h"

namespace qx {
namespace {

using Rows = std::vector<std::string>;
const Rows kAll{"a nothing", "nobody", "north", "note a", "notepad", "notes", "nothing"};

class ResultListModelTest : public test::ResultListFixture {
protected:
    void SetUp() override {
        ResultListFixture::SetUp();
        AddEntries({"nobody", "north", "note a", "notepad", "notes", "nothing", "a nothing"});
    }
};

TEST_F(ResultListModelTest, TimerRebuildsOnTheSecondTickAfterAChangeAndNotWhileLocked) {
    Type("not");
    Tick();
    EXPECT_EQ(list.Count(), 0);
    Tick();
    EXPECT_EQ(Shown(), (Rows{"note a", "notepad", "notes", "nothing", "a nothing"}));
    EXPECT_EQ(model->settledText(), "not");

    list.SetSelected(3);
    list.SetTopIndex(2);
    Type("nob");
    lockFree = false;
    Tick(5);
    EXPECT_EQ(query.settleCounter, 0);
    EXPECT_EQ(list.SelectedIndex(), 3);
    EXPECT_EQ(model->cycleCounter(), 7);  // the caret blinks on regardless
    lockFree = true;
    Tick(2);
    EXPECT_EQ(Shown(), Rows{"nobody"});
    EXPECT_EQ(list.SelectedIndex(), 0);
    EXPECT_EQ(list.TopIndex(), 0);
    EXPECT_EQ(model->cycleCounter(), 1);
}

TEST_F(ResultListModelTest, FolderBrowsingListsThroughItsHookAndRereadsEvery21Ticks) {
    Type("<C:\\");
    Tick(2);
    EXPECT_EQ(calls, Rows{"list folder"});
    EXPECT_EQ(list.Count(), 0);  // the entry search did not run
    EXPECT_EQ(model->settledText(), "<C:\\");
    EXPECT_EQ(model->folderRefreshCounter(), 1);  // the settling tick counts, the rebuild does not

    calls.clear();
    Tick(19);
    EXPECT_TRUE(calls.empty());
    Tick();
    EXPECT_EQ(calls, Rows{"refresh folder"});
    windowEnabled = false;  // a dialog is open
    Tick(21);
    EXPECT_EQ(calls.size(), 1u);
    model->UniversalUpdate(true, true);
    EXPECT_EQ(calls.back(), "list folder reload");
}

TEST_F(ResultListModelTest, SwitchingToAllEntriesEndsTheEditClearsTheInputAndShowsEveryEntry) {
    lockFree = false;
    model->ChangeToListBox();
    EXPECT_EQ(calls, (Rows{"end edit", "launch threads"}));
    EXPECT_TRUE(query.searchResultsView);

    lockFree = true;
    Type("not");
    Tick(2);
    calls.clear();
    model->ChangeToListBox();
    EXPECT_EQ(calls, (Rows{"end edit", "launch threads", "focus keys", "input ''"}));
    EXPECT_EQ(Shown(), kAll);
    EXPECT_FALSE(query.searchResultsView);
    EXPECT_FALSE(model->waitingKeys().enabled());
    EXPECT_EQ(model->settledText(), "");

    calls.clear();
    model->ChangeToListBox();  // already shown
    released = true;
    model->SwitchView(true);
    EXPECT_TRUE(calls.empty());
}

TEST_F(ResultListModelTest, AllEntriesViewReturnsToItsPositionAfterTypingAndAfterARefresh) {
    model->ChangeToListBox();
    list.SetSelected(5);
    list.SetTopIndex(4);
    Type("nob");  // switches to the search results
    EXPECT_TRUE(model->waitingKeys().enabled());
    Tick(2);
    ASSERT_EQ(Shown(), Rows{"nobody"});

    model->ChangeToListBox();
    EXPECT_EQ(list.SelectedText(), "notes");
    EXPECT_EQ(list.TopIndex(), 4);

    std::string added;
    store->AddEntryFromLine("aaa|v", false, added, false, false, true);
    store->SortEntries();
    model->RefreshList();
    EXPECT_EQ(Shown()[1], "aaa");  // the blank of "a nothing" sorts first
    EXPECT_EQ(list.SelectedIndex(), 5);
    EXPECT_EQ(list.TopIndex(), 4);
}

TEST_F(ResultListModelTest, RemovingAFolderListingRowFreesItsEntryButAStoredEntryStays) {
    auto folderEntry = std::make_unique<TEntryData>();
    folderEntry->iconState = IconState::FolderListing;
    TEntryData* folderRaw = folderEntry.get();
    list.Items().AddObject("readme.txt", std::make_unique<TovraStrLdata>(std::move(folderEntry)));
    TovraStringList& entries = store->EntryList();
    list.Items().AddObjectRef(entries.Strings(1), entries.Objects(1));

    IconHandle folderIcon = std::make_shared<int>(1), storedIcon = std::make_shared<int>(2);
    std::weak_ptr<void> folderWatch = folderIcon, storedWatch = storedIcon;
    store->IconCache().Give(*folderRaw, std::move(folderIcon));
    store->IconCache().Give(entries.Entry(1), std::move(storedIcon));

    ASSERT_TRUE(list.Items().Delete(1));
    EXPECT_FALSE(storedWatch.expired());
    EXPECT_EQ(entries.Entry(1).Name(), "nobody");
    ASSERT_TRUE(list.Items().Delete(0));
    EXPECT_TRUE(folderWatch.expired());
    EXPECT_EQ(store->IconCache().Count(), 1u);
}

class ForgetLineTest : public test::ResultListFixture {
protected:
    void SetUp() override {
        ResultListFixture::SetUp();
        fs.Put(kOrders, "exe: calc\r\nexe: cmd\r\nexe: notepad\r\n");
        fs.Put(kUrls, "url: a.example\r\nurl: b.example\r\n");
        store->LoadHistories(false);
        AddEntries({"calc", "cmd"});
    }
    const std::string kOrders = test::kResultsData + "OldOrders.txt";
    const std::string kUrls = test::kResultsData + "OldURLs.txt";
};

TEST_F(ForgetLineTest, DeleteOnAHistoryRowRemovesItsLineAndSavesBothHistories) {
    Type(",");
    Tick(2);
    ASSERT_EQ(Shown(), (Rows{"exe: ", "exe: calc", "exe: cmd", "exe: notepad"}));
    list.SetSelected(2);
    model->ForgetLine();
    EXPECT_EQ(fs.Get(kOrders), "exe: calc\r\nexe: notepad\r\n");
    EXPECT_EQ(fs.Get(kUrls), "url: a.example\r\nurl: b.example\r\n");
    EXPECT_EQ(Shown(), (Rows{"exe: ", "exe: calc", "exe: notepad"}));
    EXPECT_EQ(list.SelectedIndex(), 2);
}

TEST_F(ForgetLineTest, RowZeroAndEntrySearchForgetNothing) {
    Type(",c");
    Tick(2);
    const int writes = fs.writeCount();
    model->ForgetLine();  // row 0
    Type("c");
    Tick(2);
    list.SetSelected(1);
    model->ForgetLine();
    EXPECT_EQ(fs.writeCount(), writes);
    EXPECT_EQ(store->CommandHistory().Count(), 3);
}

TEST_F(ForgetLineTest, UrlModeForgetsFromTheUrlHistoryAndReportsAFullDisk) {
    fs.FailWrites(kUrls);
    Type(".");
    Tick(2);
    list.SetSelected(1);
    model->ForgetLine();
    EXPECT_EQ(store->UrlHistory().Lines(), Rows{"url: b.example"});
    EXPECT_EQ(fs.Get(kOrders), "exe: calc\r\nexe: cmd\r\nexe: notepad\r\n");
    EXPECT_EQ(boxes.errors, Rows{"There is not enough space on the disk."});
}

}  // namespace
}  // namespace qx
