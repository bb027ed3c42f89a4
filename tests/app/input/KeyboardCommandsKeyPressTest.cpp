#include <gtest/gtest.h>

#include "app/input/KeyboardTestTarget.h"

namespace qx {
namespace {

using test::KeyboardFixture;
using Calls = std::vector<std::string>;

class KeyPressTest : public ::testing::Test, public KeyboardFixture {};

TEST_F(KeyPressTest, TypedCharactersFollowTheKeyPressRules) {
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
}

TEST_F(KeyPressTest, PrefixCharactersFollowTheConfiguredFields) {
    prefixes.SetField(PrefixRow::ExecUrlWww, "!");
    prefixes.SetField(PrefixRow::ExecHttp, "~");
    Type("~");
    EXPECT_EQ(Input(), "!http://");
    SetInput("");
    Type("-");
    EXPECT_EQ(Input(), "-");
    prefixes.SetField(PrefixRow::FolderSearch, "\xA7");
    SetInput("");
    Type("\xA7z");
    EXPECT_EQ(Input(), "\xA7Z:\\");
    SetInput("");
    keys.focus().FormEditEnter();
    char key = '~';
    keys.ResultListKeyPress(key);
    EXPECT_EQ(key, '~');  // the focused input line types it itself
    EXPECT_EQ(Input(), "");
}

TEST_F(KeyPressTest, HashOpensWebSearchAfterRefresh) {
    Type("#");
    EXPECT_EQ(target.calls, (Calls{"update 10", "web search"}));
}

TEST_F(KeyPressTest, LockedInputDropsEverythingButEscape) {
    SetInput("abc");
    target.lockFree = false;
    Type("x");
    char escape = '\x1B';
    keys.ResultListKeyPress(escape);
    EXPECT_EQ(escape, 0);
    // Escape ran, but with the lock taken it only clears the queued moves.
    EXPECT_EQ(target.calls, (Calls{"clear moves", "launch state"}));
    EXPECT_EQ(Input(), "abc");
}

TEST_F(KeyPressTest, TypingInTheAllEntriesViewSwitchesBackUnlessControlIsDown) {
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

TEST_F(KeyPressTest, EscapeClearsTheInputUnlessALaunchRunsOrARowIsEdited) {
    SetInput("note");
    Type("\x1B");
    EXPECT_EQ(Input(), "");
    SetInput("<C:\\");
    target.released = true;
    keys.EscapeAction();
    EXPECT_EQ(Input(), "<");  // released: the folder character stays
    target.released = false;
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
