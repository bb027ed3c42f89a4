#include <gtest/gtest.h>

#include "app/input/KeyboardTestTarget.h"
#include "app/input/KeyCodes.h"
#include "store/EntryRows.h"

namespace qx {
namespace {

using test::KeyboardFixture;
using Calls = std::vector<std::string>;

class KeyboardActionsTest : public ::testing::Test, public KeyboardFixture {};

TEST_F(KeyboardActionsTest, GoUpInTheThreeModes) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"n", {""}},
        {",notepad", {","}},
        {"-example.com", {"-"}},
        // Folders: the filter goes first, then each folder; a drive root's parent is empty.
        {"<C:\\Windows\\sys", {"<C:\\Windows\\", "<C:\\", "<", "<"}},
        {"<C:win", {"<"}},
        {"<\\\\server\\share\\", {"<\\\\server\\"}},
        // Path mode stops at the shell root.
        {"<\\Computer\\C:\\", {"<\\Computer\\", "<\\", "<\\"}},
        {"<\\Contr", {"<\\"}},
    };
    for (const auto& [start, steps] : cases) {
        SetInput(start);
        for (const std::string& step : steps) {
            keys.GoUp();
            EXPECT_EQ(Input(), step) << start;
        }
    }
    SetInput("<C:\\Windows\\sys");
    keys.ResultListKeyDown(vk::kLeft, {});
    EXPECT_EQ(Input(), "<C:\\Windows\\");
    EXPECT_EQ(target.calls.back(), "update 10");
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
    query.FormEditChange("<C:\\");
    keys.GoInto();
    EXPECT_EQ(target.calls, (Calls{"begin folder search", "go into folder row"}));
}

TEST_F(KeyboardActionsTest, PasteInsertsAddressesPathsAndTextByTheirRules) {
    ASSERT_TRUE(files.CreateFolder("C:\\Tools").ok());
    target.expansions["%HOME%\\x"] = "\\\\srv\\x";
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"abc", "  \"www.example.com\"\r\n", ".www.example.com"},
        {"abc", "see https://x.org", ".see https://x.org"},
        {"", "C:\\Tools", "<C:\\Tools\\"},  // a folder gets its backslash
        {"", "C:\\Tools\\missing.txt", "<C:\\Tools\\missing.txt"},
        {"", "%HOME%\\x", "<\\\\srv\\x"},
        {"ab", "cd", "abcd"},
        {"", std::string(999, 'x') + "yz", std::string(999, 'x') + "y"},  // cut at 1000
    };
    for (const auto& [before, pasted, after] : cases) {
        SetInput(before);
        clipboard.text = pasted;
        EXPECT_TRUE(keys.InsertClipboardText());
        EXPECT_EQ(Input(), after) << pasted;
    }
}

TEST_F(KeyboardActionsTest, PasteIsNotTakenWhenThereIsNothingToInsert) {
    SetInput("ab");
    EXPECT_FALSE(keys.InsertClipboardText());  // no text on the clipboard
    clipboard.text = " \"\" \t";
    EXPECT_FALSE(keys.InsertClipboardText());
    clipboard.text = "cd";
    clipboard.busy = true;
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
    keys.RunMenuCommand(MenuCommand::Edit);
    EXPECT_EQ(target.calls, Calls{"edit dialog"});
    SetInput("<C:\\");
    keys.RunMenuCommand(MenuCommand::Copy);
    keys.RunMenuCommand(MenuCommand::FileListAllNumbered);
    keys.RunMenuCommand(MenuCommand::Edit);
    EXPECT_EQ(target.calls, (Calls{"folder copy1", "folder FileListToClipbrdAll_numbers"}));
    // The input line keeps Ctrl+C for its own text.
    target.calls.clear();
    keys.focus().FormEditEnter();
    keys.RunMenuCommand(MenuCommand::Copy);
    clipboard.text = "cd";
    EXPECT_FALSE(keys.InsertClipboardText());  // the input line pastes by itself
    EXPECT_TRUE(target.calls.empty());
}

TEST_F(KeyboardActionsTest, ToggleRelativePathStoresTheValueRelativeToTheProgramFolder) {
    auto entry = std::make_unique<Entry>();
    entry->SetText(EntryText::Name, "Tool");
    entry->SetText(EntryText::Value, "C:\\Apps\\Quilt\\x.exe");
    entry->iconState = IconState::File;
    list.Items().AddObject("Tool", std::make_unique<RowData>(std::move(entry)));
    const auto value = [&] { return std::string(EntryIfAny(list.Items().Objects(0))->Value()); };
    list.SetSelected(-1);
    keys.ToggleRelativePath();
    list.SetSelected(0);
    for (const char* input : {",cmd", "<C:\\"}) {
        SetInput(input);
        keys.ToggleRelativePath();
    }
    EXPECT_EQ(value(), "C:\\Apps\\Quilt\\x.exe");
    SetInput("");
    keys.RunMenuCommand(MenuCommand::ToggleRelativePath);
    EXPECT_EQ(value(), "..\\Quilt\\x.exe");
    EXPECT_EQ(target.calls, Calls{"save entries"});
}

}  // namespace
}  // namespace qx
