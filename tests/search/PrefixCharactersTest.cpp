#include <gtest/gtest.h>

#include <string>

#include "search/PrefixCharacters.h"

namespace qx {
namespace {

TEST(PrefixCharacters, TableHoldsTheNineRowsInOrder) {
    std::string codes;
    for (const PrefixRowInfo& row : PrefixRows()) codes += row.code;
    EXPECT_EQ(codes, "#<:\\_,+.-");
    EXPECT_STREQ(PrefixRowOf(PrefixRow::FolderSearch).settingsKey, "FolderSearchChar");
    EXPECT_STREQ(PrefixRowOf(PrefixRow::ExecWin).fieldName, "ExecWinEdit");
    EXPECT_STREQ(PrefixRowOf(PrefixRow::OpenGoogle).caption, "\xD6" "ffnen des Google Dialogs");
}

TEST(PrefixCharacters, MapsByFieldTextAndTheFirstRowWins) {
    PrefixCharacters prefixes;
    for (const PrefixRowInfo& row : PrefixRows()) EXPECT_EQ(prefixes.MapShortcutChar(row.code), row.code);
    EXPECT_EQ(prefixes.MapShortcutChar('a'), ' ');
    prefixes.SetField(PrefixRow::ExecWin, "!");
    EXPECT_EQ(prefixes.MapShortcutChar('!'), ',');
    EXPECT_EQ(prefixes.MapShortcutChar(','), ' ');
    // Row 1 holds "#" too, and comes first.
    prefixes.SetField(PrefixRow::ExecUrl, "#");
    EXPECT_EQ(prefixes.MapShortcutChar('#'), '#');
    EXPECT_EQ(prefixes.MapShortcutChar('+'), ' ');
}

TEST(PrefixCharacters, EmptyOrLongFieldsMapNothing) {
    PrefixCharacters prefixes;
    prefixes.SetField(PrefixRow::ExecWin, "");
    prefixes.SetField(PrefixRow::ExecUrl, "++");
    EXPECT_EQ(prefixes.MapShortcutChar(','), ' ');
    EXPECT_EQ(prefixes.MapShortcutChar('+'), ' ');
}

TEST(PrefixCharacters, ModeFollowsTheCodeOfTheFirstCharacter) {
    PrefixCharacters prefixes;
    EXPECT_EQ(prefixes.ModeOf(""), InputMode::EntrySearch);
    EXPECT_EQ(prefixes.ModeOf(","), InputMode::Command);
    EXPECT_EQ(prefixes.ModeOf("+x"), InputMode::Url);
    EXPECT_EQ(prefixes.ModeOf(".x"), InputMode::Url);
    EXPECT_EQ(prefixes.ModeOf("-"), InputMode::Url);
    EXPECT_EQ(prefixes.ModeOf("#x"), InputMode::EntrySearch);
    EXPECT_EQ(prefixes.ModeOf("x,"), InputMode::EntrySearch);

    prefixes.SetField(PrefixRow::ExecWin, "!");
    prefixes.SetField(PrefixRow::ExecHttp, "a");
    EXPECT_EQ(prefixes.ModeOf(",cal"), InputMode::EntrySearch);
    EXPECT_EQ(prefixes.ModeOf("!cal"), InputMode::Command);
    EXPECT_EQ(prefixes.ModeOf("abc"), InputMode::Url);
    EXPECT_EQ(prefixes.ModeOf("-x"), InputMode::EntrySearch);
}

}  // namespace
}  // namespace qx
