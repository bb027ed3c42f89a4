#include <gtest/gtest.h>

#include "search/KeyCodes.h"
#include "search/KeyboardTestTarget.h"

namespace qx {
namespace {

using test::KeyboardFixture;
using Calls = std::vector<std::string>;

class KeyDownTest : public ::testing::Test, public KeyboardFixture {
protected:
    Calls Press(int key, KeyShift shift = {}) {
        target.calls.clear();
        keys.ResultListKeyDown(key, shift);
        return target.calls;
    }
    void FillRows(int count) {
        std::vector<std::string> rows;
        for (int i = 0; i < count; ++i) rows.push_back("row" + std::to_string(i));
        AddRows(rows);
    }
};

TEST_F(KeyDownTest, NavigationKeysQueueMovesByPageAndListLength) {
    ASSERT_EQ(list.VisibleRows(), 10);
    FillRows(25);
    EXPECT_EQ(Press(vk::kUp), Calls{"move -1"});
    EXPECT_EQ(Press(vk::kDown), Calls{"move 1"});
    EXPECT_EQ(Press(vk::kPageUp), Calls{"move -9"});  // the list fills the view: one row overlaps
    EXPECT_EQ(Press(vk::kPageDown), Calls{"move 9"});
    EXPECT_EQ(Press(vk::kHome), Calls{"move -26"});
    EXPECT_EQ(Press(vk::kEnd), Calls{"move 25"});
    EXPECT_EQ(Press(vk::kReturn), Calls{"launch"});
    EXPECT_EQ(Press(vk::kRight), Calls{"go into"});
    list.Items().Clear();
    FillRows(9);  // shorter than the view: a page is the whole view
    EXPECT_EQ(keys.PageStep(), 10);
}

TEST_F(KeyDownTest, FocusedInputLineKeepsItsEditingKeysButNotTheListKeys) {
    FillRows(3);
    keys.focus().FormEditEnter();
    for (int key : {vk::kPageUp, vk::kPageDown, vk::kHome, vk::kEnd, vk::kLeft, vk::kRight, vk::kDelete, vk::kBack, vk::kF5}) {
        EXPECT_FALSE(keys.ResultListKeyDown(key, {})) << key;
    }
    EXPECT_TRUE(target.calls.empty());
    EXPECT_EQ(Press(vk::kDown), (Calls{"move 1", "focus capture"}));
    EXPECT_TRUE(keys.focus().KeyCaptureFocused());
    EXPECT_TRUE(target.menuAttached);
    keys.focus().FormEditEnter();
    EXPECT_EQ(Press(vk::kReturn), Calls{"launch"});
}

TEST_F(KeyDownTest, LockedInputIgnoresKeysButStillNotesControl) {
    target.lockFree = false;
    EXPECT_TRUE(Press(vk::kDown).empty());
    EXPECT_TRUE(Press(vk::kReturn).empty());
    EXPECT_FALSE(keys.controlDown);
    Press(vk::kControl);
    EXPECT_TRUE(keys.controlDown);
}

TEST_F(KeyDownTest, BackspaceRemovesTheLastCharacterOrFallsBackToTheFolderCharacter) {
    SetInput("ab");
    Press(vk::kBack);
    EXPECT_EQ(Input(), "a");
    Press(vk::kBack);
    EXPECT_EQ(Input(), "");
    Press(vk::kBack);  // nothing left to remove
    EXPECT_EQ(Input(), "");
    target.released = true;
    SetInput("<C");
    Press(vk::kBack);
    EXPECT_EQ(Input(), "<");
    Press(vk::kBack);
    EXPECT_EQ(Input(), "<");
}

TEST_F(KeyDownTest, DeleteRemovesTheRowOrTheMarkedFiles) {
    EXPECT_EQ(Press(vk::kDelete), Calls{"remove row"});
    target.folderBrowsing = true;
    EXPECT_EQ(Press(vk::kDelete), Calls{"delete marked"});
}

TEST_F(KeyDownTest, F5ReloadsOnlyTheSearchResultsView) {
    EXPECT_EQ(Press(vk::kF5), Calls{"update 11"});
    query.searchResultsView = false;
    EXPECT_TRUE(Press(vk::kF5).empty());
}

TEST_F(KeyDownTest, CtrlAltLettersNeedBothModifiers) {
    EXPECT_TRUE(Press('A', {.alt = true}).empty());
    keys.controlDown = true;
    EXPECT_TRUE(Press('A').empty());
    EXPECT_EQ(Press('A', {.alt = true}), Calls{"all entries"});
    EXPECT_EQ(Press('I', {.alt = true}), Calls{"info menu"});
    EXPECT_EQ(Press('O', {.alt = true}), Calls{"options menu"});
    target.released = true;
    EXPECT_TRUE(Press('O', {.alt = true}).empty());
}

TEST_F(KeyDownTest, DialogKeysActOnlyWhileTheInputIsFree) {
    FillRows(2);
    SetInput("x");
    EXPECT_TRUE(keys.DialogKey(vk::kEscape));
    EXPECT_EQ(Input(), "");
    EXPECT_EQ(target.calls, (Calls{"launch state", "clear moves", "launch state"}));

    target.calls.clear();
    EXPECT_TRUE(keys.DialogKey(vk::kApplications));
    EXPECT_EQ(target.calls, (Calls{"launch state", "row menu"}));

    target.lockFree = false;
    target.calls.clear();
    EXPECT_FALSE(keys.DialogKey(vk::kApplications));
    EXPECT_EQ(target.calls, Calls{"launch state"});
    EXPECT_FALSE(keys.DialogKey('A'));

    target.lockFree = true;
    EXPECT_FALSE(keys.DialogKey(vk::kReturn));  // plain Enter is the launch key
    keys.controlDown = true;
    target.calls.clear();
    EXPECT_TRUE(keys.DialogKey(vk::kReturn));
    EXPECT_EQ(target.calls, (Calls{"launch state", "open folder"}));
    target.editDialogVisible = true;
    EXPECT_FALSE(keys.DialogKey(vk::kReturn));
}

TEST_F(KeyDownTest, TabMovesTheFocusToTheShownInputLineOnlyFromTheCaptureField) {
    EXPECT_TRUE(keys.DialogKey(vk::kTab));
    EXPECT_EQ(target.calls, (Calls{"launch state", "show input", "focus input"}));
    EXPECT_TRUE(keys.focus().InputLineFocused());
    EXPECT_FALSE(target.menuAttached);  // Ctrl+C/V/X are the input line's own now
    target.calls.clear();
    EXPECT_TRUE(keys.DialogKey(vk::kTab));
    EXPECT_EQ(target.calls, Calls{"launch state"});
    // With the input line focused, code changes move its caret to the end.
    target.calls.clear();
    keys.SetInputText("abc");
    EXPECT_EQ(target.calls, Calls{"end key"});
}

TEST_F(KeyDownTest, F2BeginsTheRenameOfTheSelectedRow) {
    int editedRow = -1;
    list.OnBeginEdit = [&](int row) {
        editedRow = row;
        list.BeginEdit(row);
    };
    EXPECT_TRUE(keys.DialogKey(vk::kF2));
    EXPECT_EQ(editedRow, -1);  // no rows, nothing to rename
    FillRows(3);
    list.SetSelected(2);
    EXPECT_TRUE(keys.DialogKey(vk::kF2));
    EXPECT_EQ(editedRow, 2);
    EXPECT_TRUE(list.Editing());
}

TEST_F(KeyDownTest, WheelScrollsFourRowsPerNotchAndFinishesAnEdit) {
    FillRows(40);
    const int balloonsBefore = target.balloonCloses;
    std::vector<bool> commits;
    list.OnEditCommit = [&](int, const std::string&, bool fromOutside) { commits.push_back(fromOutside); };
    list.BeginEdit(0);
    EXPECT_TRUE(keys.FormMouseWheel(-120));
    EXPECT_EQ(list.TopIndex(), 4);
    EXPECT_EQ(commits, std::vector<bool>{true});
    EXPECT_EQ(list.SelectedIndex(), 0);  // the view moves, not the selection
    keys.FormMouseWheel(-24);  // below one row: truncated to 0
    EXPECT_EQ(list.TopIndex(), 4);
    keys.FormMouseWheel(-240);
    keys.FormMouseWheel(120);
    EXPECT_EQ(list.TopIndex(), 9);  // -240 scrolls 9 (9.6 truncated), +120 back 4
    EXPECT_EQ(target.balloonCloses, balloonsBefore + 4);
    list.BeginEdit(1);
    target.fileOpLockFree = false;  // a file operation keeps the edit running
    keys.FormMouseWheel(-120);
    EXPECT_TRUE(list.Editing());
}


}  // namespace
}  // namespace qx
