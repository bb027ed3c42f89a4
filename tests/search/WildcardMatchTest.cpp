#include <gtest/gtest.h>

#include <random>
#include <string>

#include "search/FastFind.h"
#include "search/WildcardMatch.h"

namespace qx {
namespace {

TEST(WildcardPosition, GivesThePositionOfTheFirstPieceWithLaterPiecesInOrder) {
    const std::tuple<const char*, const char*, int> cases[] = {
        {"note", "notepad", 1}, {"note", "keynote", 4}, {"notepad!", "notepad", 0},
        {"x", "", 0},           {"Note", "notepad", 0},  // callers fold; the search does not
        {"n*pad", "notepad", 1}, {"pad*note", "notepad", 0}, {"t*p*d", "notepad", 3},
        {"*note*", "keynote", 4}, {"e**p", "notepad", 4},
        // The next piece starts one after the previous start, so pieces overlap.
        {"ab*b", "ab", 1}, {"aba*bab", "abab", 1}, {"a*a", "a", 0}, {"ab*ab", "ab", 0},
        {"x*y", "xaxy", 1},  // only the first occurrence of the first piece counts
        {"*", "anything", 1}, {"***", "", 1}, {"", "anything", 0}, {"", "", 0},
    };
    for (const auto& [pattern, text, position] : cases) {
        EXPECT_EQ(WildcardPosition(pattern, text), position) << pattern << " in " << text;
    }
}

// FindPadded must agree with a plain search for every start, range end and needle length,
// including needles that end exactly at the range end or would run past it.
TEST(FindPadded, AgreesWithPlainSearch) {
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        const std::size_t size = random() % 100;
        std::string haystack(size + kFindPadding, '\0');
        for (std::size_t i = 0; i < size; ++i) haystack[i] = static_cast<char>("abc\xE4"[random() % 4]);
        std::string needle(1 + random() % 20, 'a');
        for (char& c : needle) c = static_cast<char>("abc\xE4"[random() % 4]);
        if (size > 0 && random() % 2 == 0) {
            const std::size_t at = random() % size;
            needle = haystack.substr(at, std::min<std::size_t>(needle.size(), size - at));
        }
        const std::size_t from = size == 0 ? 0 : random() % (size + 1);
        const std::size_t end = from + (size - from == 0 ? 0 : random() % (size - from + 1));
        const std::size_t expected = std::string_view(haystack.data(), end).find(needle, from);
        ASSERT_EQ(FindPadded(haystack.data(), from, end, needle), expected)
            << "haystack " << haystack.substr(0, size) << " needle " << needle << " from " << from << " end " << end;
        ASSERT_EQ(FindPadded(haystack.data(), from, end, ""), std::string_view::npos);
    }
}

}  // namespace
}  // namespace qx
