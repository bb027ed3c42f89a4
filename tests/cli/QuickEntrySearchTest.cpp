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

TEST(QuickEntrySearchTest, RanksPinnedThenPrefixThenContainsInNameOrder) {
    const std::string file =
        "Keynote\r\n"
        "notepad\r\n"
        "Notes|||$onTop\r\n"
        "Paint|||note taking\r\n"
        "Note board|||$onTop\r\n"
        "Calc|||$onTop note\r\n";
    // Pinned prefix matches last-found first, then prefix matches, then contains matches; a
    // contains match keeps its place whatever its terms say.
    EXPECT_EQ(QuickRows(file, "note"), (Rows{"Notes", "Note board", "notepad", "Calc", "Keynote", "Paint"}));
    EXPECT_EQ(QuickRows(file, "NOTE"), ListRows(file, "NOTE", kSeven));
}

TEST(QuickEntrySearchTest, MatchesAsTheMatcherDoes) {
    const std::string file =
        "Notepad\r\n"
        "\xC4rger|||x\r\n"                  // Ä folds to ä
        "\xC0 la carte\r\n"                 // À does not fold
        "Stra\xDF" "e\r\n"
        "%_ESC_%Pipe%|Tool|||50%% off\r\n"  // escaped: Name "Pipe|Tool", terms "50% off"
        "Raw%|Name\r\n";                    // unescaped: "%" is literal, "|" ends the Name
    EXPECT_EQ(QuickRows(file, "n*pad"), (Rows{"Notepad"}));
    EXPECT_EQ(QuickRows(file, "pad*note"), Rows{});
    EXPECT_EQ(QuickRows(file, "\xE4rg"), (Rows{"\xC4rger"}));
    EXPECT_EQ(QuickRows(file, "\xE0"), Rows{});
    EXPECT_EQ(QuickRows(file, "\xC0"), (Rows{"\xC0 la carte"}));
    EXPECT_EQ(QuickRows(file, "STRASSE"), Rows{});
    // Only the unescaped columns hold "e|t", "50% o" and "pipe|": the bytes do not.
    EXPECT_EQ(QuickRows(file, "e|t"), (Rows{"Pipe|Tool"}));
    EXPECT_EQ(QuickRows(file, "0%"), (Rows{"Pipe|Tool"}));
    EXPECT_EQ(QuickRows(file, "pe%|"), Rows{});
    EXPECT_EQ(QuickRows(file, "raw%"), (Rows{"Raw%"}));
    // The joining blank: the end of a Name and the start of its terms.
    EXPECT_EQ(QuickRows(file, "rger x"), (Rows{"\xC4rger"}));
    // Names in the store's order: bytes above 0x7F after the ASCII ones.
    EXPECT_EQ(QuickRows(file, "*"), (Rows{"Notepad", "Pipe|Tool", "Raw%", "Stra\xDF" "e", "\xC0 la carte", "\xC4rger"}));
}

TEST(QuickEntrySearchTest, SkipsLinesWithoutNameAndEntriesOfOtherWindowsVersions) {
    const std::string file =
        "|note value\r\n"
        "\r\n"
        "Notes Seven||||||||||||601\r\n"
        "Notes XP||||||||||||501\r\n"
        "Notes Any||||||||||||x\r\n";  // not a number: 0, every version
    EXPECT_EQ(QuickRows(file, "note"), (Rows{"Notes Any", "Notes Seven"}));
    EXPECT_EQ(QuickRows(file, "note", 501), (Rows{"Notes Any", "Notes XP"}));
}

TEST(QuickEntrySearchTest, ReadsLineEndsAndByteOrderMarkAsTheStoreDoes) {
    const std::string file = "\xEF\xBB\xBFNotepad\nKeynote\rnote\r\n\r\nNo\r\n\n";
    EXPECT_EQ(QuickRows(file, "no"), (Rows{"No", "note", "Notepad", "Keynote"}));
    // The mark belongs to no Name.
    EXPECT_EQ(QuickRows("\xEF\xBB\xBFNotepad", "\xEF"), Rows{});
    EXPECT_EQ(QuickRows("Keynote", "note"), (Rows{"Keynote"}));  // no final line end
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

// Generated files with every feature at once, searched both ways; names equal up to case
// must keep the store's order.
TEST(QuickEntrySearchTest, GivesTheListsRowsForGeneratedFiles) {
    std::mt19937 random(7);
    const char* words[] = {"Note", "note", "pad", "Key", "\xC4" "pfel", "\xE4" "pfel", "a b", "x", "$onTop", "Tool", "tOOL"};
    auto word = [&] { return std::string(words[random() % std::size(words)]); };
    for (int round = 0; round < 20; ++round) {
        std::string file = round % 5 == 0 ? "\xEF\xBB\xBF" : "";
        for (int i = 0; i < 300; ++i) {
            std::string name = random() % 20 == 0 ? "" : word();
            if (random() % 2) name.append(" ").append(word());
            std::string terms = random() % 3 == 0 ? "" : word() + " " + word();
            const int kind = static_cast<int>(random() % 10);
            if (kind == 0) {
                file += "%_ESC_%" + name + "%|" + word() + "|||" + terms + "%%";
            } else {
                file += name + "|value|params|" + terms;
                if (kind == 1) file += "||||||||||" + std::string(random() % 2 ? "601" : "501");
            }
            const int end = static_cast<int>(random() % 8);
            file += end == 0 ? "\n" : end == 1 ? "\r" : "\r\n";
        }
        for (const char* input : {"note", "Note", "pad", "\xE4" "pf", "a b", "*", "n*d", "x", "%", "|", "ool", "$ontop", "b*a"})
            ASSERT_EQ(QuickRows(file, input), ListRows(file, input, kSeven)) << "round " << round << ", input " << input;
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
