#include <gtest/gtest.h>

#include "store/EntryLine.h"

namespace qx {
namespace {

TEST(EntryLine, ColumnsComeInFileOrderWithIntegersInPlace) {
    const auto e = ParseEntryLine("N|V|P|S|W|I|7|L|PC|CC|U|R|601");
    EXPECT_EQ(e->Name(), "N");
    EXPECT_EQ(e->Value(), "V");
    EXPECT_EQ(e->Parameters(), "P");
    EXPECT_EQ(e->SearchTerms(), "S");
    EXPECT_EQ(e->WorkingFolder(), "W");
    EXPECT_EQ(e->IconPath(), "I");
    EXPECT_EQ(e->iconIndex, 7);
    EXPECT_EQ(e->IdList(), "L");
    EXPECT_EQ(e->ProductCode(), "PC");
    EXPECT_EQ(e->ComponentCode(), "CC");
    EXPECT_EQ(e->RunAsUser(), "U");
    EXPECT_EQ(e->Reserved(), "R");
    EXPECT_EQ(e->winVersion, 601);
    EXPECT_EQ(e->iconState, IconState::NotLoaded);
    EXPECT_EQ(FormatEntryLine(*e), "N|V|P|S|W|I|7|L|PC|CC|U|R|601");
}

TEST(EntryLine, ThreeColumnsLeaveTheRestEmptyAndIntegersZero) {
    const auto e = ParseEntryLine("Notepad|notepad.exe|-x");
    EXPECT_EQ(e->Parameters(), "-x");
    EXPECT_EQ(e->SearchTerms(), "");
    EXPECT_EQ(e->iconIndex, 0);
    EXPECT_EQ(e->winVersion, 0);
    EXPECT_EQ(FormatEntryLine(*e), "Notepad|notepad.exe|-x||||0||||||0");
}

TEST(EntryLine, PipeAndPercentAreEscapedAndReadBack) {
    const auto e = ParseEntryLine("a|b");
    e->SetText(EntryText::Value, "x|y%z");
    const std::string line = FormatEntryLine(*e);
    EXPECT_EQ(line, "%_ESC_%a|x%|y%%z|||||0||||||0");
    const auto back = ParseEntryLine(line);
    EXPECT_EQ(back->Value(), "x|y%z");
    EXPECT_TRUE(back->SameColumns(*e));
}

TEST(EntryLine, PercentWithoutThePrefixIsLiteral) {
    const auto e = ParseEntryLine("50%|%%|%|");
    EXPECT_EQ(e->Name(), "50%");
    EXPECT_EQ(e->Value(), "%%");
    EXPECT_EQ(e->Parameters(), "%");
    // The prefix only counts at the very start.
    EXPECT_EQ(ParseEntryLine(" %_ESC_%a%|b")->Name(), " %_ESC_%a%");
}

TEST(EntryLine, EscapeModeEdgeCases) {
    // A dangling "%" stands for nothing; "%x" for any x; columns past 13 are ignored.
    EXPECT_EQ(ParseEntryLine("%_ESC_%ab%")->Name(), "ab");
    EXPECT_EQ(ParseEntryLine("%_ESC_%%a%b|c")->Name(), "ab");
    EXPECT_EQ(ParseEntryLine("%_ESC_%|v")->Name(), "");
    const auto e = ParseEntryLine("%_ESC_%n|v|||||1%2|||||||extra|more");
    EXPECT_EQ(e->iconIndex, 12);
    EXPECT_EQ(ParseEntryLine("|||||||||||||||")->Name(), "");
}

TEST(EntryLine, IntegersAcceptOnlySignedDecimalsThatFit) {
    EXPECT_EQ(ParseEntryInteger("42"), 42);
    EXPECT_EQ(ParseEntryInteger("+42"), 42);
    EXPECT_EQ(ParseEntryInteger("-7"), -7);
    EXPECT_EQ(ParseEntryInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseEntryInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "-", "+", " 1", "1 ", "0x10", "$10", "1e3", "2147483648", "-2147483649",
                            "99999999999999999999", "4a"}) {
        EXPECT_EQ(ParseEntryInteger(bad), 0) << bad;
    }
    EXPECT_EQ(ParseEntryLine("n|v||||ico|abc||||||600")->winVersion, 600);
}

TEST(EntryLine, BinaryBytesSurviveTheRoundTrip) {
    const std::string raw("n\0m\xFF|v\x01\x7F|%", 11);
    const auto e = ParseEntryLine(raw);
    EXPECT_EQ(e->Name(), std::string("n\0m\xFF", 4));
    const auto back = ParseEntryLine(FormatEntryLine(*e));
    EXPECT_TRUE(back->SameColumns(*e));
}

TEST(EntryData, SetTextChangesOneColumnOnly) {
    const auto e = ParseEntryLine("name|value|params");
    e->SetText(EntryText::Value, "a much longer value than before");
    e->SetText(EntryText::Reserved, "r");
    e->SetText(EntryText::Name, e->Parameters());  // from its own buffer
    EXPECT_EQ(e->Name(), "params");
    EXPECT_EQ(e->Value(), "a much longer value than before");
    EXPECT_EQ(e->Parameters(), "params");
    EXPECT_EQ(e->Reserved(), "r");
    EXPECT_EQ(e->RunAsUser(), "");
}

TEST(EntryData, KindsAreCaseSensitivePrefixes) {
    EXPECT_TRUE(IsUrlEntry("url: x"));
    EXPECT_FALSE(IsUrlEntry("URL: x"));
    EXPECT_FALSE(IsUrlEntry("url:x"));
    EXPECT_TRUE(IsCommandEntry("exe: cmd"));
    EXPECT_FALSE(IsCommandEntry(" exe: cmd"));
    EXPECT_TRUE(IsNoDelete("  D: (NoDelete)"));
    EXPECT_FALSE(IsNoDelete("D: (nodelete)"));
}

}  // namespace
}  // namespace qx
