#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/EntrySearch.h"
#include "search/QueryState.h"
#include "search/SearchTestLists.h"

namespace qx {
namespace {

using Lines = std::vector<std::string>;
using test::AddEntry;
using test::Texts;

constexpr int kSeven = 601;

class EntrySearchTest : public ::testing::Test {
protected:
    Lines Search(const std::string& text) {
        query.FormEditChange(text);
        search.SearchEntries(query, entries, commands, urls, results, kSeven);
        return Texts(results);
    }

    PrefixCharacters prefixes;
    test::NoQueryHooks hooks;
    QueryState query{prefixes, hooks};
    EntrySearch search;
    RowList entries;
    Lines commands;
    Lines urls;
    RowList results;
};

// Ranking itself is FilterInto's (the filter fuzzer checks the cached scan against it); these are the query's parts.
TEST_F(EntrySearchTest, RanksEntriesAsTheListShowsThem) {
    AddEntry(entries, "  C:\\");
    AddEntry(entries, " Documents");
    AddEntry(entries, "Docs");
    AddEntry(entries, "Control Seven", "", kSeven);
    AddEntry(entries, "Control XP", "", 501);
    AddEntry(entries, "Editor", "notes text");
    AddEntry(entries, "Keynote");
    RowData* notepad = AddEntry(entries, "Notepad");
    const std::pair<const char*, Lines> cases[] = {
        {"NOTE", {"Notepad", "Editor", "Keynote"}},
        {"editor n", {"Editor"}},
        {"notepad ", {"Notepad"}},  // no terms, but the separating space
        {"control", {"Control Seven"}},
        // Folder names with a leading blank match further in unless the input has the blank.
        {"doc", {"Docs", " Documents"}},
        {" doc", {" Documents"}},
        {"c:", {"  C:\\"}},
        {"", {}},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(Search(text), expected) << text;
    EXPECT_EQ(Search("*").size(), 7u);
    Search("notep");
    EXPECT_EQ(results.Objects(0), notepad);
    query.searchResultsView = false;  // the all-entries view lists no results
    search.SearchEntries(query, entries, commands, urls, results, kSeven);
    EXPECT_EQ(results.Count(), 0);
}

TEST_F(EntrySearchTest, CommandAndUrlCharactersListTheirHistories) {
    commands = {"exe: calc", "exe: cmd", "exe: notepad calc.txt"};
    urls = {"url: www.example.org", "url: http://news.example"};
    AddEntry(entries, ",calc");
    AddEntry(entries, "a,calendar");
    EXPECT_EQ(Search(","), (Lines{"exe: ", "exe: calc", "exe: cmd", "exe: notepad calc.txt"}));
    EXPECT_EQ(Search(",cal"), (Lines{"exe: cal", "exe: calc", "exe: notepad calc.txt"}));
    for (const char* first : {"+", ".", "-"}) {
        EXPECT_EQ(Search(first), (Lines{"url: ", "url: www.example.org", "url: http://news.example"})) << first;
        EXPECT_EQ(Search(std::string(first) + "news"), (Lines{"url: news", "url: http://news.example"})) << first;
    }
    // A tail starting like a history line is a prefix match after all.
    EXPECT_EQ(Search("+url: w"), (Lines{"url: url: w", "url: www.example.org"}));
    // A changed command character makes the old one an entry search.
    prefixes.SetField(PrefixRow::ExecWin, "!");
    EXPECT_EQ(Search(",cal"), (Lines{",calc", "a,calendar"}));
    EXPECT_EQ(Search("!cal"), (Lines{"exe: cal", "exe: calc", "exe: notepad calc.txt"}));
}

TEST_F(EntrySearchTest, SeesEntriesAddedRemovedOrEditedBetweenSearches) {
    AddEntry(entries, "Keynote");
    AddEntry(entries, "Paint");
    entries.AddObject("ghost", nullptr);  // gets an empty entry
    EXPECT_EQ(Search(" "), (Lines{"", "Keynote", "Paint"}));
    EXPECT_EQ(results.Objects(0), entries.Objects(2));
    AddEntry(entries, "Notebook");
    entries.Sort();
    EXPECT_EQ(Search("not"), (Lines{"Notebook", "Keynote"}));
    entries.Delete(entries.IndexOf("Keynote"));
    EXPECT_EQ(Search("note"), (Lines{"Notebook"}));
    EntryAt(entries, entries.IndexOf("Paint")).SetText(EntryText::Name, "Brush");
    EXPECT_EQ(Search("brush"), (Lines{"Brush"}));
    // Another list of the same contents is another list.
    RowList other;
    AddEntry(other, "Other");
    query.FormEditChange("o");
    search.SearchEntries(query, other, commands, urls, results, kSeven);
    EXPECT_EQ(Texts(results), (Lines{"Other"}));
}

}  // namespace
}  // namespace qx
