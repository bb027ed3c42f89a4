#include <gtest/gtest.h>

#include "store/EntryLine.h"

namespace qx {
namespace {

TEST(EntryLine, ColumnsComeInFileOrderAndMissingOnesAreEmptyOrZero) {
    const auto e = ParseEntryLine("N|V|P|S|W|I|7|L|PC|CC|U|R|601");
    std::string columns;
    for (auto text : {e->Name(), e->Value(), e->Parameters(), e->SearchTerms(), e->WorkingFolder(), e->IconPath(),
                      e->IdList(), e->ProductCode(), e->ComponentCode(), e->RunAsUser(), e->Reserved()})
        columns.append(text).append(",");
    EXPECT_EQ(columns, "N,V,P,S,W,I,L,PC,CC,U,R,");
    EXPECT_EQ(e->iconIndex, 7);
    EXPECT_EQ(e->winVersion, 601);
    EXPECT_EQ(e->iconState, IconState::NotLoaded);
    EXPECT_EQ(FormatEntryLine(*e), "N|V|P|S|W|I|7|L|PC|CC|U|R|601");
    EXPECT_EQ(FormatEntryLine(*ParseEntryLine("Notepad|notepad.exe|-x")), "Notepad|notepad.exe|-x||||0||||||0");
}

TEST(EntryLine, PipeAndPercentAreEscapedOnlyBehindThePrefix) {
    const auto e = ParseEntryLine("a|b");
    e->SetText(EntryText::Value, "x|y%z");
    const std::string line = FormatEntryLine(*e);
    EXPECT_EQ(line, "%_ESC_%a|x%|y%%z|||||0||||||0");
    EXPECT_TRUE(ParseEntryLine(line)->SameColumns(*e));

    const auto plain = ParseEntryLine("50%|%%|%|");
    EXPECT_EQ(plain->Name(), "50%");
    EXPECT_EQ(plain->Value(), "%%");
    EXPECT_EQ(plain->Parameters(), "%");
    EXPECT_EQ(ParseEntryLine(" %_ESC_%a%|b")->Name(), " %_ESC_%a%");  // only at the very start
    // A dangling "%" stands for nothing; "%x" for any x; columns past 13 are ignored.
    EXPECT_EQ(ParseEntryLine("%_ESC_%ab%")->Name(), "ab");
    EXPECT_EQ(ParseEntryLine("%_ESC_%%a%b|c")->Name(), "ab");
    EXPECT_EQ(ParseEntryLine("%_ESC_%n|v|||||1%2|||||||extra|more")->iconIndex, 12);
    EXPECT_EQ(ParseEntryLine("|||||||||||||||")->Name(), "");
}

TEST(EntryLine, IntegersAcceptOnlySignedDecimalsThatFit) {
    EXPECT_EQ(ParseEntryInteger("+42"), 42);
    EXPECT_EQ(ParseEntryInteger("-7"), -7);
    EXPECT_EQ(ParseEntryInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseEntryInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "-", " 1", "1 ", "0x10", "1e3", "2147483648", "-2147483649", "4a"}) {
        EXPECT_EQ(ParseEntryInteger(bad), 0) << bad;
    }
    EXPECT_EQ(ParseEntryLine("n|v||||ico|abc||||||600")->winVersion, 600);
}

TEST(EntryLine, BinaryBytesSurviveTheRoundTrip) {
    const auto e = ParseEntryLine(std::string("n\0m\xFF|v\x01\x7F|%", 11));
    EXPECT_EQ(e->Name(), std::string("n\0m\xFF", 4));
    EXPECT_TRUE(ParseEntryLine(FormatEntryLine(*e))->SameColumns(*e));
}

TEST(Entry, SetTextChangesOneColumnOnlyEvenFromItsOwnBuffer) {
    const auto e = ParseEntryLine("name|value|params");
    e->SetText(EntryText::Value, "a much longer value than before");
    e->SetText(EntryText::Name, e->Parameters());
    EXPECT_EQ(e->Name(), "params");
    EXPECT_EQ(e->Value(), "a much longer value than before");
    EXPECT_EQ(e->Parameters(), "params");
}

TEST(Entry, KindsAreCaseSensitivePrefixes) {
    EXPECT_TRUE(IsUrlEntry("url: x"));
    EXPECT_FALSE(IsUrlEntry("URL: x") || IsUrlEntry("url:x"));
    EXPECT_TRUE(IsCommandEntry("exe: cmd"));
    EXPECT_FALSE(IsCommandEntry(" exe: cmd"));
    EXPECT_TRUE(IsNoDelete("  D: (NoDelete)"));
    EXPECT_FALSE(IsNoDelete("D: (nodelete)"));
}

}  // namespace
}  // namespace qx
