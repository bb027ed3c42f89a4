#include <gtest/gtest.h>

#include "search/KeyCodes.h"
#include "search/KeyboardTestTarget.h"
#include "store/EntryData.h"

namespace qx {
namespace {

using test::KeyboardFixture;
using Calls = std::vector<std::string>;

class KeyboardActionsTest : public ::testing::Test, public KeyboardFixture {};

TEST_F(KeyboardActionsTest, GoUpClearsEntrySearchAndKeepsTheModeCharacter) {
    SetInput("n");
    keys.GoUp();
    EXPECT_EQ(Input(), "");
    SetInput(",notepad");
    keys.GoUp();
    EXPECT_EQ(Input(), ",");
    SetInput("-example.com");
    keys.GoUp();
    EXPECT_EQ(Input(), "-");
}

TEST_F(KeyboardActionsTest, GoUpInFoldersClearsTheFilterThenClimbs) {
    SetInput("<C:\\Windows\\sys");
    ASSERT_TRUE(target.folderBrowsing);
    keys.ResultListKeyDown(vk::kLeft, {});
    EXPECT_EQ(Input(), "<C:\\Windows\\");
    EXPECT_EQ(target.calls.back(), "update 10");
    keys.GoUp();
    EXPECT_EQ(Input(), "<C:\\");
    keys.GoUp();  // the parent of a drive root is the empty path
    EXPECT_EQ(Input(), "<");
    keys.GoUp();
    EXPECT_EQ(Input(), "<");
    SetInput("<C:win");  // a filter right after the drive
    keys.GoUp();
    EXPECT_EQ(Input(), "<");
    SetInput("<\\\\server\\share\\");
    keys.GoUp();
    EXPECT_EQ(Input(), "<\\\\server\\");
}

TEST_F(KeyboardActionsTest, GoUpInPathModeStopsAtTheShellRoot) {
    SetInput("<\\Computer\\C:\\");
    keys.GoUp();
    EXPECT_EQ(Input(), "<\\Computer\\");
    keys.GoUp();
    EXPECT_EQ(Input(), "<\\");
    keys.GoUp();
    EXPECT_EQ(Input(), "<\\");
    SetInput("<\\Contr");
    keys.GoUp();
    EXPECT_EQ(Input(), "<\\");
}

TEST_F(KeyboardActionsTest, GoIntoFollowsTheModeAndCompletesFromAHistoryRow) {
    keys.GoInto();  // no selection
    EXPECT_TRUE(target.calls.empty());
    AddRows({"exe: ", "exe: calc.exe /x", "plain row"});
    SetInput(",ca");
    list.SetSelected(1);
    keys.GoInto();
    EXPECT_EQ(Input(), ",calc.exe /x");
    SetInput("-exa");
    list.Items().SetString(1, "url: http://example.com/a b");
    keys.GoInto();
    EXPECT_EQ(Input(), "-http://example.com/a b");
    list.SetSelected(2);
    keys.GoInto();
    EXPECT_EQ(Input(), "-");
    SetInput("");
    keys.GoInto();
    EXPECT_EQ(target.calls, Calls{"begin folder search"});
    SetInput("<C:\\");
    keys.GoInto();
    EXPECT_EQ(target.calls, Calls{"go into folder row"});
}

TEST_F(KeyboardActionsTest, PastedAddressStartsAUrlInput) {
    SetInput("abc");
    clipboard.text = "  \"www.example.com\"\r\n";
    EXPECT_TRUE(keys.InsertClipboardText());
    EXPECT_EQ(Input(), ".www.example.com");
    clipboard.text = "see https://x.org";
    keys.InsertClipboardText();
    EXPECT_EQ(Input(), ".see https://x.org");
}

TEST_F(KeyboardActionsTest, PastedPathBrowsesAndGetsABackslashWhenAFolder) {
    ASSERT_TRUE(files.CreateFolder("C:\\Tools").ok());
    clipboard.text = "C:\\Tools";
    EXPECT_TRUE(keys.InsertClipboardText());
    EXPECT_EQ(Input(), "<C:\\Tools\\");
    EXPECT_TRUE(target.folderBrowsing);
    clipboard.text = "C:\\Tools\\missing.txt";
    keys.InsertClipboardText();
    EXPECT_EQ(Input(), "<C:\\Tools\\missing.txt");
    clipboard.text = "%HOME%\\x";
    target.expansions["%HOME%\\x"] = "\\\\srv\\x";
    keys.InsertClipboardText();
    EXPECT_EQ(Input(), "<\\\\srv\\x");
}

TEST_F(KeyboardActionsTest, PastedTextAppendsAndIsCutAtAThousandCharacters) {
    SetInput("ab");
    clipboard.text = "cd";
    keys.InsertClipboardText();
    EXPECT_EQ(Input(), "abcd");
    SetInput("");
    clipboard.text = std::string(999, 'x') + "yz";
    keys.InsertClipboardText();
    EXPECT_EQ(Input(), std::string(999, 'x') + "y");
}

TEST_F(KeyboardActionsTest, PasteIsNotTakenWhenThereIsNothingToInsert) {
    SetInput("ab");
    EXPECT_FALSE(keys.InsertClipboardText());  // no text on the clipboard
    clipboard.text = " \"\" \t";
    EXPECT_FALSE(keys.InsertClipboardText());
    clipboard.text = "cd";
    clipboard.busy = true;
    EXPECT_FALSE(keys.InsertClipboardText());
    clipboard.busy = false;
    keys.focus().FormEditEnter();  // the input line pastes by itself
    EXPECT_FALSE(keys.InsertClipboardText());
    EXPECT_EQ(Input(), "ab");
    // While browsing, a paste the input does not take goes to the shell.
    keys.focus().FocusKeyCapture();
    clipboard.text.reset();
    SetInput("<C:\\");
    keys.RunMenuCommand(MenuCommand::Paste);
    EXPECT_EQ(target.calls, Calls{"folder paste1"});
}

TEST_F(KeyboardActionsTest, FileCommandsActOnlyOnFolderListings) {
    keys.RunMenuCommand(MenuCommand::Copy);
    keys.RunMenuCommand(MenuCommand::NewFolder);
    EXPECT_TRUE(target.calls.empty());
    keys.RunMenuCommand(MenuCommand::Edit);
    keys.RunMenuCommand(MenuCommand::GoToExplorerFolder);
    EXPECT_EQ(target.calls, (Calls{"edit dialog", "explorer folder"}));
    target.calls.clear();
    SetInput("<C:\\");
    keys.RunMenuCommand(MenuCommand::Copy);
    keys.RunMenuCommand(MenuCommand::FileListAllNumbered);
    keys.RunMenuCommand(MenuCommand::Edit);
    EXPECT_EQ(target.calls, (Calls{"folder copy1", "folder FileListToClipbrdAll_numbers"}));
    // The input line keeps Ctrl+C for its own text.
    target.calls.clear();
    keys.focus().FormEditEnter();
    keys.RunMenuCommand(MenuCommand::Copy);
    keys.RunMenuCommand(MenuCommand::ReleaseWindow);
    EXPECT_TRUE(target.calls.empty());
}

class ToggleRelativePathTest : public KeyboardActionsTest {
protected:
    void SetUp() override {
        auto entry = std::make_unique<TEntryData>();
        entry->SetText(EntryText::Name, "Tool");
        entry->SetText(EntryText::Value, "C:\\Apps\\Quilt\\x.exe");
        entry->iconState = IconState::File;
        list.Items().AddObject("Tool", std::make_unique<TovraStrLdata>(std::move(entry)));
        list.SetSelected(0);
    }
    std::string Value() const { return std::string(list.Items().Objects(0)->EntryIfAny()->Value()); }
};

TEST_F(ToggleRelativePathTest, MakesTheValueRelativeToTheProgramFolderAndSaves) {
    keys.RunMenuCommand(MenuCommand::ToggleRelativePath);
    EXPECT_EQ(Value(), "..\\Quilt\\x.exe");
    EXPECT_EQ(target.calls, Calls{"save entries"});
}

TEST_F(ToggleRelativePathTest, DoesNothingInCommandOrFolderModesOrWithoutSelection) {
    SetInput(",cmd");
    keys.ToggleRelativePath();
    SetInput("<C:\\");
    keys.ToggleRelativePath();
    SetInput("");
    list.SetSelected(-1);
    keys.ToggleRelativePath();
    EXPECT_EQ(Value(), "C:\\Apps\\Quilt\\x.exe");
    EXPECT_TRUE(target.calls.empty());
}

}  // namespace
}  // namespace qx
