#include <gtest/gtest.h>

#include "search/KeyboardTestTarget.h"

namespace qx {
namespace {

using test::KeyboardFixture;

class KeyPressTest : public ::testing::Test, public KeyboardFixture {};

TEST_F(KeyPressTest, TypedCharactersAppendToTheInputAndAreConsumed) {
    Type("abc");
    EXPECT_EQ(Input(), "abc");
    EXPECT_EQ(target.inputLine, "abc");
    EXPECT_EQ(query.textLength(), 3);
    char key = 'd';
    keys.ResultListKeyPress(key);
    EXPECT_EQ(key, 0);  // the key capture field must not see it as well
    // No End key while the input line is not focused.
    EXPECT_TRUE(std::find(target.calls.begin(), target.calls.end(), "end key") == target.calls.end());
}

TEST_F(KeyPressTest, PipeAndControlCharactersNeverReachTheInput) {
    SetInput("ab");
    Type("|");
    Type("\x01\x1C");  // below 29: not appended
    EXPECT_EQ(Input(), "ab");
    char pipe = '|';
    keys.ResultListKeyPress(pipe);
    EXPECT_EQ(pipe, 0);
    Type("\x1D\xE4");  // 29 and a Windows-1252 letter are appended
    EXPECT_EQ(Input(), "ab\x1D\xE4");
}

TEST_F(KeyPressTest, UrlCharactersIntoAnEmptyInputWriteOutTheAddressPrefix) {
    Type(".");
    EXPECT_EQ(Input(), ".http://www.");
    SetInput("");
    Type("-");
    EXPECT_EQ(Input(), ".http://");
    SetInput("");
    Type("+");
    EXPECT_EQ(Input(), ".");
    // Only into an empty input: later the characters are typed as they are.
    Type("+-.");
    EXPECT_EQ(Input(), ".+-.");
}

TEST_F(KeyPressTest, UrlCharactersFollowTheConfiguredFields) {
    prefixes.SetField(PrefixRow::ExecUrlWww, "!");
    prefixes.SetField(PrefixRow::ExecHttp, "~");
    Type("~");
    EXPECT_EQ(Input(), "!http://");
    SetInput("");
    Type("-");  // no longer a prefix character
    EXPECT_EQ(Input(), "-");
    SetInput("");
    keys.focus().FormEditEnter();
    char key = '~';
    keys.ResultListKeyPress(key);
    EXPECT_EQ(key, '~');  // the focused input line types it itself
    EXPECT_EQ(Input(), "");
}

TEST_F(KeyPressTest, DriveLetterThenColonBrowsesTheDriveRoot) {
    Type("c:");
    EXPECT_EQ(Input(), "<C:\\");
    EXPECT_TRUE(target.folderBrowsing);
    SetInput("ab");  // two letters: typed as it is
    Type(":");
    EXPECT_EQ(Input(), "ab:");
}

TEST_F(KeyPressTest, FolderCharacterThenLetterBrowsesTheDriveRoot) {
    Type("<d");
    EXPECT_EQ(Input(), "<D:\\");
    prefixes.SetField(PrefixRow::FolderSearch, "\xA7");
    SetInput("");
    Type("\xA7z");
    EXPECT_EQ(Input(), "\xA7Z:\\");
}

TEST_F(KeyPressTest, ShellFolderCharactersStartFolderBrowsing) {
    Type(":");
    EXPECT_EQ(Input(), "<\\::{20D04FE0}\\");
    SetInput("");
    Type("\\");
    EXPECT_EQ(Input(), "<\\");
    SetInput("");
    target.expansions["<\\::{20D04FE0}\\::{20D04FE0}\\::{21EC2020}\\"] = "<\\expanded\\";
    Type("_");
    EXPECT_EQ(Input(), "<\\expanded\\");
}

TEST_F(KeyPressTest, HashOpensWebSearchAfterRefreshAndLeavesTheInput) {
    Type("#");
    EXPECT_EQ(Input(), "");
    EXPECT_EQ(target.calls, (std::vector<std::string>{"update 10", "web search"}));
}

TEST_F(KeyPressTest, FolderBrowsingDropsColonAndDoubledBackslashOnDrivePaths) {
    SetInput("<C:\\win");
    Type(":");
    EXPECT_EQ(Input(), "<C:\\win");
    Type("\\\\");
    EXPECT_EQ(Input(), "<C:\\win\\");
    // The shell namespace is no file system path: both go through.
    SetInput("<\\abc");
    Type(":\\\\");
    EXPECT_EQ(Input(), "<\\abc:\\\\");
}

TEST_F(KeyPressTest, LockedInputDropsEverythingButEscape) {
    SetInput("abc");
    target.lockFree = false;
    char key = 'x';
    keys.ResultListKeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(Input(), "abc");
    char escape = '\x1B';
    keys.ResultListKeyPress(escape);
    EXPECT_EQ(escape, 0);
    // Escape ran, but with the lock taken it only clears the queued moves.
    EXPECT_EQ(target.calls, (std::vector<std::string>{"clear moves", "launch state"}));
    EXPECT_EQ(Input(), "abc");
}

TEST_F(KeyPressTest, TypingInTheAllEntriesViewSwitchesBackUnlessControlIsDown) {
    // A character below 29 is not appended, so only the key press itself can switch.
    query.searchResultsView = false;
    keys.controlDown = true;
    Type("\x05");
    EXPECT_FALSE(query.searchResultsView);
    keys.controlDown = false;
    query.autoSwitchAllowed = false;
    Type("\x05");
    EXPECT_FALSE(query.searchResultsView);
    query.autoSwitchAllowed = true;
    char enter = '\r';
    keys.ResultListKeyPress(enter);
    EXPECT_FALSE(query.searchResultsView);
    EXPECT_EQ(enter, 0);  // dropped, no beep
    Type("\x05");
    EXPECT_TRUE(query.searchResultsView);
    EXPECT_EQ(Input(), "");
}

TEST_F(KeyPressTest, EscapeClearsTheInputOrLeavesTheFolderCharacterWhenReleased) {
    SetInput("note");
    Type("\x1B");
    EXPECT_EQ(Input(), "");
    EXPECT_EQ(target.calls, (std::vector<std::string>{"clear moves", "launch state"}));
    SetInput("<C:\\");
    target.released = true;
    keys.EscapeAction();
    EXPECT_EQ(Input(), "<");
}

TEST_F(KeyPressTest, EscapeKeepsTheInputWhileALaunchRunsOrARowIsEdited) {
    SetInput("note");
    target.launchRunning = true;
    keys.EscapeAction();
    EXPECT_EQ(Input(), "note");
    target.launchRunning = false;
    AddRows({"Notepad"});
    list.BeginEdit(0);
    target.calls.clear();
    keys.EscapeAction();
    EXPECT_EQ(Input(), "note");
    EXPECT_TRUE(target.calls.empty());
}

}  // namespace
}  // namespace qx
