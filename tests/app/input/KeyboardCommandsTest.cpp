#include <gtest/gtest.h>

#include "app/input/KeyboardTestTarget.h"
#include "app/input/KeyCodes.h"
#include "controls/ListBoxModel.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "store/EntryLine.h"
#include "store/EntryRows.h"

namespace qx {
namespace {

using Calls = std::vector<std::string>;

// The keyboard commands over a real query state and list, with the focus in the key capture
// field as after start-up.
class KeyboardTest : public ::testing::Test {
protected:
    KeyboardTest() {
        target.query = &query;
        list.SetSize(200, 190);  // 10 rows of 19 pixels
        keys.SetShellFolders("::{20D04FE0}", "::{20D04FE0}\\::{21EC2020}");
        keys.focus().FocusKeyCapture();
        target.calls.clear();
    }

    // Types the characters as the key capture field would deliver them.
    void Type(const std::string& text) {
        for (char key : text) keys.ResultListKeyPress(key);
    }
    void SetInput(const std::string& text) {
        keys.SetInputText(text);
        target.calls.clear();
    }
    void AddRows(const std::vector<std::string>& rows) {
        for (const std::string& row : rows) list.Items().Add(row);
        list.SetSelected(0);
    }
    void FillRows(int count) {
        std::vector<std::string> rows;
        for (int i = 0; i < count; ++i) rows.push_back("row" + std::to_string(i));
        AddRows(rows);
    }
    const std::string& Input() const { return query.currentText(); }
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

    test::KeyboardTestTarget target;
    PrefixCharacters prefixes;
    QueryState query{prefixes, target};
    test::FakeClock clock;
    ListBoxModel list{clock};
    test::FakeClipboard clipboard;
    test::FakeFileSystem files;
    KeyboardCommands keys{target, query, list, clipboard, files};
};

// Key presses.

TEST_F(KeyboardTest, TypedCharactersFollowTheKeyPressRules) {
    struct Case {
        const char* before;
        const char* typed;
        const char* after;
    };
    const Case cases[] = {
        {"", "abc", "abc"},
        {"ab", "|\x01\x1C", "ab"},             // the pipe and characters below 29 never arrive
        {"ab", "\x1D\xE4", "ab\x1D\xE4"},
        {"", ".", ".http://www."},             // URL characters into an empty input
        {"", "-", ".http://"},
        {"", "+", "."},
        {"", "++-.", ".+-."},                  // later they are typed as they are
        {"", "c:", "<C:\\"},                   // drive letter then colon
        {"ab", ":", "ab:"},
        {"", "<d", "<D:\\"},                   // folder character then letter
        {"", ":", "<\\::{20D04FE0}\\"},        // shell folder characters
        {"", "\\", "<\\"},
        {"", "#", ""},
        {"<C:\\win", ":\\\\", "<C:\\win\\"},   // drive paths drop colon and doubled backslash
        {"<\\abc", ":\\\\", "<\\abc:\\\\"},    // the shell namespace is no file system path
    };
    for (const Case& c : cases) {
        SetInput(c.before);
        Type(c.typed);
        EXPECT_EQ(Input(), c.after) << c.before << " + " << c.typed;
    }
    EXPECT_EQ(target.inputLine, "<\\abc:\\\\");
    char key = '|';
    keys.ResultListKeyPress(key);
    EXPECT_EQ(key, 0);  // consumed: the key capture field must not see it as well
    SetInput("");
    Type("#");  // the web search builds on current rows
    EXPECT_EQ(target.calls, (Calls{"update 10", "web search"}));
}

TEST_F(KeyboardTest, PrefixCharactersFollowTheConfiguredFields) {
    prefixes.SetField(PrefixRow::ExecUrlWww, "!");
    prefixes.SetField(PrefixRow::ExecHttp, "~");
    prefixes.SetField(PrefixRow::FolderSearch, "\xA7");
    for (const auto& [typed, after] : {std::pair{"~", "!http://"}, {"-", "-"}, {"\xA7z", "\xA7Z:\\"}}) {
        SetInput("");
        Type(typed);
        EXPECT_EQ(Input(), after) << typed;
    }
    SetInput("");
    keys.focus().FormEditEnter();
    char key = '~';
    keys.ResultListKeyPress(key);
    EXPECT_EQ(key, '~');  // the focused input line types it itself
    EXPECT_EQ(Input(), "");
}

TEST_F(KeyboardTest, TypingInTheAllEntriesViewSwitchesBackUnlessControlIsDown) {
    // A character below 29 is not appended, so only the key press itself can switch.
    query.searchResultsView = false;
    keys.controlDown = true;
    Type("\x05");
    keys.controlDown = false;
    query.autoSwitchAllowed = false;
    Type("\x05");
    query.autoSwitchAllowed = true;
    char enter = '\r';
    keys.ResultListKeyPress(enter);
    EXPECT_EQ(enter, 0);  // dropped, no beep
    EXPECT_FALSE(query.searchResultsView);
    Type("\x05");
    EXPECT_TRUE(query.searchResultsView);
}

TEST_F(KeyboardTest, EscapeClearsTheInputUnlessLockedALaunchRunsOrARowIsEdited) {
    SetInput("abc");
    target.lockFree = false;  // drops every other key
    Type("x");
    char escape = '\x1B';
    keys.ResultListKeyPress(escape);
    EXPECT_EQ(escape, 0);
    // Escape ran, but with the lock taken it only clears the queued moves.
    EXPECT_EQ(target.calls, (Calls{"clear moves", "launch state"}));
    EXPECT_EQ(Input(), "abc");
    target.lockFree = true;
    SetInput("note");
    Type("\x1B");
    EXPECT_EQ(Input(), "");
    // Released, the folder character stays; a running launch or a row being edited keeps it all.
    AddRows({"Notepad"});
    struct Case { const char* before; bool released, launchRunning, editing; const char* after; };
    for (const Case& c : {Case{"<C:\\", true, false, false, "<"}, Case{"note", false, true, false, "note"},
                          Case{"note", false, false, true, "note"}}) {
        SetInput(c.before);
        target.released = c.released;
        target.launchRunning = c.launchRunning;
        if (c.editing) list.BeginEdit(0);
        keys.EscapeAction();
        EXPECT_EQ(Input(), c.after) << c.before;
    }
    EXPECT_TRUE(target.calls.empty());  // the edit's Escape does nothing else either
}

// Key downs.

TEST_F(KeyboardTest, KeysQueueMovesByPageAndListLengthAndRunTheirCommands) {
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

TEST_F(KeyboardTest, FocusedInputLineKeepsItsEditingKeysButNotTheListKeys) {
    FillRows(3);
    keys.focus().FormEditEnter();
    for (int key : {vk::kPageUp, vk::kHome, vk::kLeft, vk::kRight, vk::kDelete, vk::kBack, vk::kF5}) {
        EXPECT_FALSE(keys.ResultListKeyDown(key, {})) << key;
    }
    EXPECT_EQ(Press(vk::kDown), (Calls{"move 1", "focus capture"}));
    EXPECT_TRUE(target.menuAttached);
}

TEST_F(KeyboardTest, BackspaceRemovesTheLastCharacterOrFallsBackToTheFolderCharacter) {
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

TEST_F(KeyboardTest, CtrlAltLettersNeedBothModifiersAndAFreeInput) {
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

TEST_F(KeyboardTest, DialogKeysActOnlyWhileTheInputIsFree) {
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

TEST_F(KeyboardTest, WheelScrollsFourRowsPerNotchAndFinishesAnEdit) {
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

// Actions on the input and the selected row.

TEST_F(KeyboardTest, GoUpInTheThreeModes) {
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

TEST_F(KeyboardTest, GoIntoFollowsTheModeAndCompletesFromAHistoryRow) {
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
    // Going into entries and folder rows: see the main form's folder tests.
}

TEST_F(KeyboardTest, PasteInsertsAddressesPathsAndTextByTheirRules) {
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

TEST_F(KeyboardTest, PasteIsNotTakenWhenThereIsNothingToInsert) {
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

TEST_F(KeyboardTest, FileCommandsActOnlyOnFolderListings) {
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

TEST_F(KeyboardTest, ToggleRelativePathStoresTheValueRelativeToTheProgramFolder) {
    list.Items().AddObject("Tool", std::make_unique<RowData>(ParseEntryLine("Tool|C:\\Apps\\Quilt\\x.exe")));
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
