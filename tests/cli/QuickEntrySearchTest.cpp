#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "cli/QuickEntrySearch.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeSystemInfo.h"
#include "fakes/TestStore.h"
#include "search/EntrySearch.h"
#include "search/QueryState.h"
#include "search/SearchFold.h"
#include "search/SearchTestLists.h"
#include "store/EntryStore.h"

namespace qx {
namespace {

using Rows = std::vector<std::string>;
constexpr int kSeven = 601;

// What the window's list shows: the store loads the file, the search fills the rows.
Rows ListRows(const std::string& fileBytes, const std::string& input, int windowsVersion) {
    test::FakeFileSystem fs;
    test::FakeSystemInfo system;
    fs.Put(test::kData + "Files.txt", fileBytes);
    fs.Put(test::kData + "OldOrders.txt", "");
    EntryStore store(test::TestStoreContext(fs, system));
    (void)store.LoadEntries(LoadOptions{});
    PrefixCharacters prefixes;
    test::NoQueryHooks hooks;
    QueryState query(prefixes, hooks);
    query.FormEditChange(input);
    RowList results;
    EntrySearch().SearchEntries(query, store.EntryList(), {}, {}, results, windowsVersion);
    return test::Texts(results);
}

Rows QuickRows(const std::string& fileBytes, const std::string& input, int windowsVersion = kSeven) {
    return QuickEntrySearch(fileBytes, false).Search(input, windowsVersion);
}

TEST(QuickEntrySearchTest, FirstLaunchReadsExecuteAsTheCommandPrefix) {
    const std::string file = "execute: regedit\r\n%_ESC_%execute: 100%%\r\nexecuted\r\n";
    // Only a line that begins so is converted; an escaped one keeps its Name.
    EXPECT_EQ(QuickEntrySearch(file, true).Search("xe:", kSeven), (Rows{"exe: regedit"}));
    EXPECT_EQ(QuickEntrySearch(file, true).Search("cute", kSeven), (Rows{"execute: 100%", "executed"}));
    EXPECT_EQ(QuickEntrySearch(file, false).Search("xe:", kSeven), Rows{});
    EXPECT_EQ(QuickEntrySearch(file, false).Search("cute", kSeven),
              (Rows{"execute: 100%", "execute: regedit", "executed"}));
}

// Generated files with every feature at once, searched both ways: byte order mark, the three
// line ends and none at the end, lines without a Name, escaped columns, "%" and "|" in plain
// ones, letters that fold and letters that do not, pinned entries, Windows versions (a number,
// none, or not a number). Names equal up to case must keep the store's order.
TEST(QuickEntrySearchTest, GivesTheListsRowsForGeneratedFiles) {
    std::mt19937 random(7);
    const char* words[] = {"Note", "note", "pad", "Key", "\xC4" "pfel", "\xE4" "pfel", "a b", "x", "$onTop",
                           "Tool", "tOOL", "\xC0la", "Stra\xDF" "e", "50%", "e|t"};
    const char* versions[] = {"601", "501", "x", ""};
    auto word = [&] { return std::string(words[random() % std::size(words)]); };
    for (int round = 0; round < 20; ++round) {
        std::string file = round % 5 == 0 ? "\xEF\xBB\xBF" : "";
        for (int i = 0; i < 300; ++i) {
            std::string name = random() % 20 == 0 ? "" : word();
            if (random() % 2) name.append(" ").append(word());
            std::string terms = random() % 3 == 0 ? "" : word() + " " + word();
            if (random() % 10 == 0) {
                file += "%_ESC_%" + name + "%|" + word() + "|||" + terms + "%%";
            } else {
                file += name + "|value|params|" + terms + "|||||||||" + versions[random() % std::size(versions)];
            }
            const int end = static_cast<int>(random() % 8);
            if (i < 299 || round % 2) file += end == 0 ? "\n" : end == 1 ? "\r" : "\r\n";
        }
        for (const char* input : {"note", "Note", "pad", "\xE4" "pf", "\xC0", "\xE0", "strasse", "a b", "*", "n*d", "x",
                                  "%", "0% ", "|", "e|t", "ool", "$ontop", "b*a", "\xEF"}) {
            for (int version : {kSeven, 501})
                ASSERT_EQ(QuickRows(file, input, version), ListRows(file, input, version))
                    << "round " << round << ", input " << input << ", version " << version;
        }
    }
}

TEST(FindFoldedTest, FindsEveryFoldedOccurrenceAndNeverReadsPastTheEnd) {
    // Every byte value, at every offset relative to the 16-byte blocks.
    std::string text;
    for (int i = 0; i < 256; ++i) text.push_back(static_cast<char>(i));
    text += text;
    for (std::size_t at = 0; at + 3 <= text.size(); at += 5) {
        const std::string needle = SearchFold(text.substr(at, 3));
        const std::size_t expected = SearchFold(text).find(needle);
        ASSERT_EQ(FindFolded(text.data(), 0, text.size(), needle), expected) << at;
    }
    // The end bounds the match; from starts the search.
    const std::string word = "xxNOTExxnote";
    EXPECT_EQ(FindFolded(word.data(), 0, word.size(), "note"), 2u);
    EXPECT_EQ(FindFolded(word.data(), 3, word.size(), "note"), 8u);
    EXPECT_EQ(FindFolded(word.data(), 0, 5, "note"), std::string::npos);
    EXPECT_EQ(FindFolded(word.data(), 13, word.size(), "e"), std::string::npos);
    // Exactly sized heap buffers: a sanitizer build catches any read beyond them.
    for (std::size_t size = 1; size < 40; ++size) {
        const std::unique_ptr<char[]> buffer = std::make_unique<char[]>(size);
        std::fill_n(buffer.get(), size, 'A');
        EXPECT_EQ(FindFolded(buffer.get(), 0, size, std::string(size, 'a')), 0u);
    }
}

}  // namespace
}  // namespace qx
