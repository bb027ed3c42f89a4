#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/FilterInto.h"
#include "search/SearchFold.h"
#include "search/SearchTestLists.h"

namespace qx {
namespace {

using Lines = std::vector<std::string>;
using test::Texts;

TEST(FilterInto, RanksOnTopThenPrefixThenContainsMatches) {
    struct Case {
        const char* pattern;
        Lines source, before, expected;
    };
    const Case cases[] = {
        {"note", {"Keynote", "Notepad", "Nothing", "notes"}, {}, {"Notepad", "notes", "Keynote"}},
        {"NOTE", {"keynote", "notepad"}, {}, {"notepad", "keynote"}},
        {"zz", {"Keynote"}, {}, {}},
        // "$onTop" prefix matches come last-found-first; only the exact word counts.
        {"al",
         {"Alpha $onTop", "Beta", "Alps x$onTopx", "Gamma al $onTop", "Also", "Alto $ONTOP"},
         {},
         {"Alps x$onTopx", "Alpha $onTop", "Also", "Alto $ONTOP", "Gamma al $onTop"}},
        // Prefix matches go before what the target held, contains matches after it.
        {"a", {"ba", "ab", "a $onTop", "ca"}, {"X", "Y"}, {"a $onTop", "ab", "X", "Y", "ba", "ca"}},
        {"", {"b", "", "a $onTop"}, {"X"}, {"X", "b", "", "a $onTop"}},
        {"*", {"b", "", "a $onTop"}, {"X"}, {"a $onTop", "b", "", "X"}},
        {"n*pad", {"Notepad", "Keynote"}, {}, {"Notepad"}},
        {"pad*note", {"Notepad"}, {}, {}},
        {"ab*b", {"ab", "xab", "ba"}, {}, {"ab", "xab"}},
        // Letters fold as SearchFold folds them (its own test has the ranges).
        {"\xC4RGER", {"\xE4rger", "Ar"}, {}, {"\xE4rger"}},
        {"\xD7", {"a\xF7" "b", "a\xD7" "b", "ab"}, {}, {"a\xF7" "b", "a\xD7" "b"}},
    };
    for (const Case& c : cases) {
        RowList target;
        for (const std::string& line : c.before) target.AddObjectRef(line, nullptr);
        FilterInto(c.pattern, c.source, target);
        EXPECT_EQ(Texts(target), c.expected) << c.pattern;
    }
}

TEST(FilterInto, RowsKeepTheirObjectsAndWithAnEntryListShowNamesOfListedEntriesForThisWindows) {
    RowList entries;
    RowData* seven = test::AddEntry(entries, "Note Seven", "", 601);
    test::AddEntry(entries, "Note XP", "", 501);
    RowData* any = test::AddEntry(entries, "Any note", "", 0);
    RowList source;  // candidate lines, not the Names
    for (int i = 0; i < entries.Count(); ++i) source.AddObjectRef("line " + std::to_string(i), entries.Objects(i));
    source.AddObjectRef("line past the entries", nullptr);
    RowList plain;
    FilterInto("LINE", source, plain, nullptr, 601);
    EXPECT_EQ(Texts(plain), (Lines{"line 0", "line 1", "line 2", "line past the entries"}));
    EXPECT_EQ(plain.Objects(2), any);
    RowList shown;
    FilterInto("line", source, shown, &entries, 601);
    EXPECT_EQ(Texts(shown), (Lines{"Note Seven", "Any note"}));
    EXPECT_EQ(shown.Objects(0), seven);
}

TEST(SearchFold, LowersAsciiAndTheGermanCapitalsOnly) {
    EXPECT_EQ(SearchFold("Notepad ABC-xyz_09 [@`{]"), "notepad abc-xyz_09 [@`{]");
    // 0xC4..0xDC move up by 0x20, 0xD7 included; the bytes around that range stay.
    EXPECT_EQ(SearchFold("\xC4\xD6\xDC\xD7"), "\xE4\xF6\xFC\xF7");
    EXPECT_EQ(SearchFold("\xC0\xC1\xC2\xC3\xDD\xDE\xDF"), "\xC0\xC1\xC2\xC3\xDD\xDE\xDF");
    EXPECT_EQ(SearchFold("\xE4\xF6\xFC\xE0\x8A\x8C\x9F"), "\xE4\xF6\xFC\xE0\x8A\x8C\x9F");
    EXPECT_EQ(SearchFold(""), "");
}

}  // namespace
}  // namespace qx
