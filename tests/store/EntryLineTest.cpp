#include <gtest/gtest.h>

#include "store/EntryLine.h"
#include "store/EntryNames.h"
#include "store/EntryRows.h"

namespace qx {
namespace {

TEST(EntryLine, ColumnsComeInFileOrder) {
    const auto e = ParseEntryLine("N|V|P|S|W|I|7|L|PC|CC|U|R|601");
    std::string columns;
    for (auto text : {e->Name(), e->Value(), e->Parameters(), e->SearchTerms(), e->WorkingFolder(), e->IconPath(),
                      e->IdList(), e->ProductCode(), e->ComponentCode(), e->RunAsUser(), e->Reserved()})
        columns.append(text).append(",");
    EXPECT_EQ(columns, "N,V,P,S,W,I,L,PC,CC,U,R,");
    EXPECT_EQ(e->iconIndex, 7);
    EXPECT_EQ(e->winVersion, 601);
    EXPECT_EQ(e->iconState, IconState::NotLoaded);
}

// Each line as the file holds it, and as the program writes back what it read.
TEST(EntryLine, LinesReadAndWrittenBack) {
    const std::pair<std::string, std::string> cases[] = {
        {"N|V|P|S|W|I|7|L|PC|CC|U|R|601", "N|V|P|S|W|I|7|L|PC|CC|U|R|601"},
        {"Notepad|notepad.exe|-x", "Notepad|notepad.exe|-x||||0||||||0"},
        {"n|v||||ico|abc||||||600", "n|v||||ico|0||||||600"},
        {"|||||||||||||||", "||||||0||||||0"},
        // Without the prefix "%" is an ordinary character, and so must be escaped on writing.
        {"50%|%%|%|", "%_ESC_%50%%|%%%%|%%||||0||||||0"},
        {" %_ESC_%a%|b", "%_ESC_% %%_ESC_%%a%%|b|||||0||||||0"},  // the prefix counts only at the start
        // Escaped: "%x" stands for x, a dangling "%" for nothing; columns past the 13th are ignored.
        {"%_ESC_%%a%b|c", "ab|c|||||0||||||0"},
        {"%_ESC_%%|x|y", "%_ESC_%%|x|y|||||0||||||0"},
        {"%_ESC_%%%|y", "%_ESC_%%%|y|||||0||||||0"},
        {"%_ESC_%n|v|||||1%2|||||||extra|more", "n|v|||||12||||||0"},
        // Short escaped lines leave the missing columns empty.
        {"%_ESC_%ab%", "ab||||||0||||||0"},
        {"%_ESC_%ab", "ab||||||0||||||0"},
        {"%_ESC_%a|", "a||||||0||||||0"},
        {"%_ESC_%", "||||||0||||||0"},
    };
    for (const auto& [line, written] : cases) EXPECT_EQ(FormatEntryLine(*ParseEntryLine(line)), written) << line;
}

TEST(EntryLine, SetColumnsAreEscapedAndReadBackTheSame) {
    const auto e = ParseEntryLine("a|b");
    e->SetText(EntryText::Value, "x|y%z");
    const std::string line = FormatEntryLine(*e);
    EXPECT_EQ(line, "%_ESC_%a|x%|y%%z|||||0||||||0");
    EXPECT_TRUE(ParseEntryLine(line)->SameColumns(*e));
    const auto binary = ParseEntryLine(std::string("n\0m\xFF|v\x01\x7F|%", 11));
    EXPECT_EQ(binary->Name(), std::string("n\0m\xFF", 4));
    EXPECT_TRUE(ParseEntryLine(FormatEntryLine(*binary))->SameColumns(*binary));
}

TEST(EntryLine, IntegersAcceptOnlySignedDecimalsThatFit) {
    EXPECT_EQ(ParseEntryInteger("+42"), 42);
    EXPECT_EQ(ParseEntryInteger("-7"), -7);
    EXPECT_EQ(ParseEntryInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseEntryInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "-", " 1", "1 ", "0x10", "1e3", "2147483648", "-2147483649", "4a"}) {
        EXPECT_EQ(ParseEntryInteger(bad), 0) << bad;
    }
}

TEST(Entry, SetTextChangesOneColumnOnlyEvenFromItsOwnBuffer) {
    const auto e = ParseEntryLine("name|value|params");
    e->SetText(EntryText::Value, "a much longer value than before");
    e->SetText(EntryText::Name, e->Parameters());
    EXPECT_EQ(FormatEntryLine(*e), "params|a much longer value than before|params||||0||||||0");
}

TEST(Entry, KindsAreCaseSensitivePrefixes) {
    EXPECT_TRUE(IsUrlEntry("url: x"));
    EXPECT_FALSE(IsUrlEntry("URL: x") || IsUrlEntry("url:x"));
    EXPECT_TRUE(IsCommandEntry("exe: cmd"));
    EXPECT_FALSE(IsCommandEntry(" exe: cmd"));
    EXPECT_TRUE(IsNoDelete("  D: (NoDelete)"));
    EXPECT_FALSE(IsNoDelete("D: (nodelete)"));
}

TEST(EntryNamesTest, ShortPlainAndComposedNames) {
    EXPECT_EQ(ShortName("12345678901234567890"), "12345678901234567890");
    EXPECT_EQ(ShortName("Eintragsname mit 21 Z"), "Eintragsn ... me mit 21 Z");
    EXPECT_EQ(PlainEntryName("Url: case matters"), "Url: case matters");
    EXPECT_EQ(PlainEntryName("Net (NoDelete) share"), "Net share");
}

TEST(EntryRows, EntryIsMadeOnFirstAccessInTheStateOfTheMoment) {
    RowList list;
    list.Add("x");
    list.AddObject("y", nullptr);
    bool browsing = true;
    SetFolderBrowsingProbe([&] { return browsing; });
    EXPECT_EQ(EntryIfAny(list.Objects(0)), nullptr);
    EXPECT_EQ(EntryAt(list, 0).iconState, IconState::FolderListing);
    browsing = false;
    EXPECT_EQ(EntryAt(list, 0).iconState, IconState::FolderListing);  // made once
    EXPECT_EQ(EntryAt(list, 1).iconState, IconState::NotLoaded);
    EXPECT_EQ(EntryAt(list, 1).infoText, "@nod");
    EXPECT_TRUE(list.OwnsObject(1));
    SetFolderBrowsingProbe(nullptr);
}

}  // namespace
}  // namespace qx
