#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/FilterInto.h"
#include "search/SearchTestLists.h"

namespace qx {
namespace {

using Lines = std::vector<std::string>;
using test::Texts;

Lines Filter(std::string_view pattern, const Lines& source, const Lines& before = {}) {
    TovraStringList target;
    for (const std::string& line : before) target.AddObjectRef(line, nullptr);
    FilterInto(pattern, source, target);
    return Texts(target);
}

TEST(FilterInto, PutsPrefixMatchesBeforeContainsMatches) {
    EXPECT_EQ(Filter("note", {"Keynote", "Notepad", "Nothing", "notes"}), (Lines{"Notepad", "notes", "Keynote"}));
    EXPECT_EQ(Filter("NOTE", {"keynote", "notepad"}), (Lines{"notepad", "keynote"}));
    EXPECT_TRUE(Filter("zz", {"Keynote", "Notepad"}).empty());
    EXPECT_TRUE(Filter("note", {}).empty());
}

TEST(FilterInto, PinsOnTopPrefixMatchesLastFoundFirst) {
    const Lines source = {"Alpha $onTop", "Beta", "Alps x$onTopx", "Gamma al $onTop", "Also", "Alto $ONTOP"};
    EXPECT_EQ(Filter("al", source),
              (Lines{"Alps x$onTopx", "Alpha $onTop", "Also", "Alto $ONTOP", "Gamma al $onTop"}));
}

TEST(FilterInto, InsertsPrefixMatchesBeforeWhatTheTargetHeld) {
    EXPECT_EQ(Filter("a", {"ba", "ab", "a $onTop", "ca"}, {"X", "Y"}),
              (Lines{"a $onTop", "ab", "X", "Y", "ba", "ca"}));
}

TEST(FilterInto, EmptyPatternAppendsEverythingAndStarsPrefixEverything) {
    EXPECT_EQ(Filter("", {"b", "", "a $onTop"}, {"X"}), (Lines{"X", "b", "", "a $onTop"}));
    EXPECT_EQ(Filter("*", {"b", "", "a $onTop"}, {"X"}), (Lines{"a $onTop", "b", "", "X"}));
    EXPECT_EQ(Filter("**", {"Notepad", "Keynote"}), (Lines{"Notepad", "Keynote"}));
}

TEST(FilterInto, MatchesStarPiecesInOrder) {
    EXPECT_EQ(Filter("n*pad", {"Notepad", "Keynote"}), (Lines{"Notepad"}));
    EXPECT_TRUE(Filter("pad*note", {"Notepad"}).empty());
    EXPECT_EQ(Filter("ab*b", {"ab", "xab", "ba"}), (Lines{"ab", "xab"}));
    EXPECT_EQ(Filter("*pad", {"Notepad"}), (Lines{"Notepad"}));
}

TEST(FilterInto, FoldsGermanCapitalsOnly) {
    EXPECT_EQ(Filter("\xE4", {"\xC4rger", "Ar"}), (Lines{"\xC4rger"}));
    EXPECT_EQ(Filter("\xC4RGER", {"\xE4rger"}), (Lines{"\xE4rger"}));
    EXPECT_TRUE(Filter("\xE0", {"\xC0la"}).empty());
    EXPECT_EQ(Filter("\xDF", {"Stra\xDF" "e", "Strasse", "STRASSE"}), (Lines{"Stra\xDF" "e"}));
    EXPECT_EQ(Filter("\xD7", {"a\xF7" "b", "a\xD7" "b", "ab"}), (Lines{"a\xF7" "b", "a\xD7" "b"}));
    EXPECT_EQ(Filter("\xF7", {"\xD7"}), (Lines{"\xD7"}));
}

TEST(FilterInto, ListRowsReferToTheSourceObjects) {
    TovraStringList source;
    TovraStrLdata* keynote = test::AddEntry(source, "Keynote");
    TovraStrLdata* notepad = test::AddEntry(source, "Notepad");
    TovraStringList target;
    FilterInto("note", source, target, nullptr, 601);
    ASSERT_EQ(Texts(target), (Lines{"Notepad", "Keynote"}));
    EXPECT_EQ(target.Objects(0), notepad);
    EXPECT_EQ(target.Objects(1), keynote);
    EXPECT_FALSE(target.OwnsObject(0));
}

TEST(FilterInto, WithEntryListShowsNamesAndHidesOtherWindowsVersions) {
    TovraStringList entries;
    test::AddEntry(entries, "Note XP", "", 501);
    test::AddEntry(entries, "Note any", "", 0);
    test::AddEntry(entries, "Note Seven", "", 601);
    test::AddEntry(entries, "Keynote", "");
    TovraStringList candidates;
    for (int i = 0; i < entries.Count(); ++i) {
        const TEntryData& entry = entries.Entry(i);
        candidates.AddObjectRef(std::string(entry.Name()) + " " + std::string(entry.SearchTerms()), entries.Objects(i));
    }
    TovraStringList target;
    FilterInto("note", candidates, target, &entries, 601);
    EXPECT_EQ(Texts(target), (Lines{"Note any", "Note Seven", "Keynote"}));
    EXPECT_EQ(target.Objects(1), entries.Objects(2));
    target.Clear();
    FilterInto("note", candidates, target, &entries, 501);
    EXPECT_EQ(Texts(target), (Lines{"Note XP", "Note any", "Keynote"}));
}

}  // namespace
}  // namespace qx
