#include <gtest/gtest.h>

#include "app/input/KeyboardTestTarget.h"
#include "app/input/KeyCodes.h"

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
    Calls Dialog(int key) {
        target.calls.clear();
        keys.DialogKey(key);
        return target.calls;
    }
    void FillRows(int count) {
        std::vector<std::string> rows;
        for (int i = 0; i < count; ++i) rows.push_back("row" + std::to_string(i));
        AddRows(rows);
    }
};

TEST_F(KeyDownTest, KeysQueueMovesByPageAndListLengthAndRunTheirCommands) {
    FillRows(25);
    const std::pair<int, Calls> cases[] = {
        {vk::kUp, {"move -1"}},        {vk::kDown, {"move 1"}},
        {vk::kPageUp, {"move -9"}},    {vk::kPageDown, {"move 9"}},  // one row overlaps
        {vk::kHome, {"move -26"}},     {vk::kEnd, {"move 25"}},
        {vk::kReturn, {"launch"}},     {vk::kRight, {"go into"}},
        {vk::kDelete, {"remove row"}}, {vk::kF5, {"update 11"}},
    };
    for (const auto& [key, calls] : cases) EXPECT_EQ(Press(key), calls) << key;
    EXPECT_EQ(Press(vk::kReturn, {.alt = true, .shift = true}), Calls{"launch shift alt"});
    target.folderBrowsing = true;
    EXPECT_EQ(Press(vk::kDelete), Calls{"delete marked"});
    query.searchResultsView = false;
    EXPECT_TRUE(Press(vk::kF5).empty());
    list.Items().Clear();
    FillRows(9);  // shorter than the view: a page is the whole view
    EXPECT_EQ(keys.PageStep(), 10);
}

TEST_F(KeyDownTest, FocusedInputLineKeepsItsEditingKeysButNotTheListKeys) {
    FillRows(3);
    keys.focus().FormEditEnter();
    for (int key : {vk::kPageUp, vk::kHome, vk::kLeft, vk::kRight, vk::kDelete, vk::kBack, vk::kF5}) {
        EXPECT_FALSE(keys.ResultListKeyDown(key, {})) << key;
    }
    EXPECT_EQ(Press(vk::kDown), (Calls{"move 1", "focus capture"}));
    EXPECT_TRUE(target.menuAttached);
}

TEST_F(KeyDownTest, BackspaceRemovesTheLastCharacterOrFallsBackToTheFolderCharacter) {
    SetInput("a");
    Press(vk::kBack);
    Press(vk::kBack);  // nothing left to remove
    EXPECT_EQ(Input(), "");
    target.released = true;
    SetInput("<C");
    Press(vk::kBack);
    Press(vk::kBack);
    EXPECT_EQ(Input(), "<");
}

TEST_F(KeyDownTest, CtrlAltLettersNeedBothModifiersAndAFreeInput) {
    EXPECT_TRUE(Press('A', {.alt = true}).empty());
    target.lockFree = false;
    Press(vk::kControl);  // noted even while locked
    EXPECT_TRUE(Press('O', {.alt = true}).empty());
    target.lockFree = true;
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
    EXPECT_EQ(Dialog(vk::kEscape), (Calls{"launch state", "clear moves", "launch state"}));
    EXPECT_EQ(Input(), "");
    EXPECT_EQ(Dialog(vk::kApplications), (Calls{"launch state", "row menu"}));
    target.lockFree = false;
    EXPECT_EQ(Dialog(vk::kApplications), Calls{"launch state"});
    target.lockFree = true;
    EXPECT_FALSE(keys.DialogKey(vk::kReturn));  // plain Enter is the launch key
    keys.controlDown = true;
    EXPECT_EQ(Dialog(vk::kReturn), (Calls{"launch state", "open folder"}));
    target.editDialogVisible = true;
    EXPECT_FALSE(keys.DialogKey(vk::kReturn));
    // Tab shows the input line and focuses it, once; Ctrl+C/V/X are then its own.
    EXPECT_EQ(Dialog(vk::kTab), (Calls{"launch state", "show input", "focus input"}));
    EXPECT_FALSE(target.menuAttached);
    EXPECT_EQ(Dialog(vk::kTab), Calls{"launch state"});
    target.calls.clear();
    keys.SetInputText("abc");
    EXPECT_EQ(target.calls, Calls{"caret to end"});
    // F2 renames the selected row.
    list.OnBeginEdit = [&](int row) { list.BeginEdit(row); };
    list.SetSelected(1);
    EXPECT_TRUE(keys.DialogKey(vk::kF2));
    EXPECT_EQ(list.EditRow(), 1);
}

TEST_F(KeyDownTest, WheelScrollsFourRowsPerNotchAndFinishesAnEdit) {
    FillRows(40);
    std::vector<bool> commits;
    list.OnEditCommit = [&](int, const std::string&, bool fromOutside) { commits.push_back(fromOutside); };
    list.BeginEdit(0);
    EXPECT_TRUE(keys.FormMouseWheel(-120));
    EXPECT_EQ(list.TopIndex(), 4);
    EXPECT_EQ(commits, std::vector<bool>{true});
    EXPECT_EQ(list.SelectedIndex(), 0);  // the view moves, not the selection
    keys.FormMouseWheel(-24);  // below one row: truncated to 0
    keys.FormMouseWheel(-240);  // 9.6 truncated
    EXPECT_EQ(list.TopIndex(), 13);
    list.BeginEdit(1);
    target.fileOpLockFree = false;  // a file operation keeps the edit running
    keys.FormMouseWheel(-120);
    EXPECT_TRUE(list.Editing());
}

}  // namespace
}  // namespace qx
