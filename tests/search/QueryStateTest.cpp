#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/input/KeyboardTestTarget.h"
#include "search/PrefixCharacters.h"
#include "search/QueryState.h"

namespace qx {
namespace {

using Calls = std::vector<std::string>;

const std::string kNetwork = "::{F02C1A0D-BE21-4350-88B0-7367FC96EF3C}\\";
const std::string kComputer = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\";

class QueryStateTest : public ::testing::Test {
protected:
    QueryStateTest() {
        hooks.query = &query;
        query.SetSpecialFolders(kNetwork, kComputer);
    }

    PrefixCharacters prefixes;
    test::KeyboardTestTarget hooks;
    QueryState query{prefixes, hooks};
};

TEST(PathParts, TailFolderAndFilter) {
    EXPECT_EQ(QueryTailOf(",cal"), "cal");
    EXPECT_EQ(QueryTailOf("<\\"), "");
    EXPECT_EQ(QueryTailOf("<\\Desktop\\x"), "Desktop\\x");
    EXPECT_EQ(QueryTailOf("<\\\\server\\share"), "\\\\server\\share");  // a network path, not path mode
    EXPECT_FALSE(IsPathMode("\\"));
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"C:\\Windows\\sys", "C:\\Windows\\", "sys"}, {"C:x", "C:", "x"}, {"notes", "", "notes"}};
    for (const auto& [text, folder, filter] : cases) {
        EXPECT_EQ(FolderPartOf(text), folder);
        EXPECT_EQ(FolderFilterOf(text), filter);
    }
}

TEST_F(QueryStateTest, ChangeRecordsTheTextAndRestartsTheSettleTimeUnlessUnchanged) {
    query.settleCounter = 2;
    query.FormEditChange("");  // equals the empty previous text
    EXPECT_EQ(query.settleCounter, 2);
    query.FormEditChange(",cal");
    EXPECT_EQ(query.queryTail(), "cal");
    EXPECT_EQ(query.settleCounter, 0);
    EXPECT_EQ(query.Mode(), InputMode::Command);
    query.settleCounter = 2;
    query.FormEditChange(",cal");
    EXPECT_EQ(query.settleCounter, 2);
    hooks.inputHidden = true;
    query.FormEditChange("n");
    EXPECT_EQ(hooks.balloonCloses, 2);
    EXPECT_EQ(hooks.calls, Calls{"top bar"});
}

TEST_F(QueryStateTest, FolderCharacterEntersAndOtherTextLeavesFolderBrowsing) {
    query.FormEditChange("<");
    EXPECT_TRUE(hooks.folderBrowsing);
    query.FormEditChange("note");
    EXPECT_FALSE(hooks.folderBrowsing);
    // The configured folder character is the one that counts.
    prefixes.SetField(PrefixRow::FolderSearch, "|");
    query.FormEditChange("<C:\\");
    EXPECT_FALSE(hooks.folderBrowsing);
    query.FormEditChange("|C:\\");
    EXPECT_TRUE(hooks.folderBrowsing);
    prefixes.SetField(PrefixRow::FolderSearch, "");
    query.FormEditChange("|C:\\W");
    EXPECT_FALSE(hooks.folderBrowsing);
}

TEST_F(QueryStateTest, TypingSwitchesBackToSearchResultsOnlyWhenAllowed) {
    query.searchResultsView = false;
    hooks.lockFree = false;
    query.FormEditChange("a");
    hooks.lockFree = true;
    query.autoSwitchAllowed = false;
    query.FormEditChange("ab");
    query.autoSwitchAllowed = true;
    query.FormEditChange("");
    EXPECT_FALSE(query.searchResultsView);
    query.FormEditChange("abc");
    EXPECT_TRUE(query.searchResultsView);
    EXPECT_EQ(hooks.calls.back(), "search view");
}

TEST_F(QueryStateTest, BrowsedFolderIsTheExpandedFolderPartAndItsFlagsNameTheShellFolder) {
    hooks.expansions["@QuilloxData \\"] = "C:\\Apps\\Quillox\\Quillox-Data\\";
    hooks.expansions["@Net\\"] = kNetwork;
    const std::pair<std::string, std::string> cases[] = {
        {"<C:", "C:\\"},
        {"<@QuilloxData \\sk", "C:\\Apps\\Quillox\\Quillox-Data\\"},
        {"<notes", ""},
        {"<\\" + kComputer + "C:\\dri", kComputer + "C:\\"},
        {"<@Net\\", kNetwork},
    };
    for (const auto& [text, browsed] : cases) {
        query.FormEditChange(text);
        EXPECT_EQ(query.browsedFolder(), browsed) << text;
    }
    // The folder flags pick a shell row's detail columns: compared in lower case, and a
    // folder inside the computer folder is not the computer folder.
    query.FormEditChange("<\\::{20d04fe0-3aea-1069-a2d8-08002b30309d}\\dri");
    EXPECT_TRUE(query.folderFlags().computerFolder);
    query.FormEditChange("<\\" + kComputer + "C:\\");
    EXPECT_FALSE(query.folderFlags().computerFolder);
    query.FormEditChange("<@Net\\");
    EXPECT_TRUE(query.folderFlags().networkFolder);
}

TEST(PrefixCharacters, MapsByFieldTextAndTheFirstRowWins) {
    PrefixCharacters prefixes;
    std::string codes;
    for (const PrefixRowInfo& row : PrefixRows()) codes += prefixes.MapShortcutChar(row.code);
    EXPECT_EQ(codes, "#<:\\_,+.-");
    EXPECT_EQ(prefixes.MapShortcutChar('a'), ' ');
    prefixes.SetField(PrefixRow::ExecWin, "!");
    EXPECT_EQ(prefixes.MapShortcutChar('!'), ',');
    EXPECT_EQ(prefixes.MapShortcutChar(','), ' ');
    prefixes.SetField(PrefixRow::ExecUrl, "#");  // row 1 holds "#" too, and comes first
    EXPECT_EQ(prefixes.MapShortcutChar('#'), '#');
    prefixes.SetField(PrefixRow::ExecUrl, "++");  // empty or long fields map nothing
    prefixes.SetField(PrefixRow::ExecWin, "");
    EXPECT_EQ(prefixes.MapShortcutChar('+'), ' ');
    EXPECT_EQ(prefixes.MapShortcutChar(','), ' ');
}

TEST(PrefixCharacters, ModeFollowsTheCodeOfTheFirstCharacter) {
    PrefixCharacters prefixes;
    const std::pair<const char*, InputMode> cases[] = {
        {"", InputMode::EntrySearch}, {",", InputMode::Command}, {"+x", InputMode::Url},
        {".x", InputMode::Url},       {"-", InputMode::Url},     {"#x", InputMode::EntrySearch},
        {"x,", InputMode::EntrySearch},
    };
    for (const auto& [text, mode] : cases) EXPECT_EQ(prefixes.ModeOf(text), mode) << text;
    prefixes.SetField(PrefixRow::ExecWin, "!");
    prefixes.SetField(PrefixRow::ExecHttp, "a");
    EXPECT_EQ(prefixes.ModeOf(",cal"), InputMode::EntrySearch);
    EXPECT_EQ(prefixes.ModeOf("!cal"), InputMode::Command);
    EXPECT_EQ(prefixes.ModeOf("abc"), InputMode::Url);
    EXPECT_EQ(prefixes.ModeOf("-x"), InputMode::EntrySearch);
}

}  // namespace
}  // namespace qx
