#include <gtest/gtest.h>

#include <string>

#include "search/PrefixCharacters.h"

namespace qx {
namespace {

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
