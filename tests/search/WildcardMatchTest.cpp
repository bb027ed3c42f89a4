#include <gtest/gtest.h>

#include <random>
#include <string>

#include "search/FastFind.h"
#include "search/WildcardMatch.h"

namespace qx {
namespace {

TEST(WildcardPosition, GivesThePositionOfTheFirstPieceFromOne) {
    EXPECT_EQ(WildcardPosition("note", "notepad"), 1);
    EXPECT_EQ(WildcardPosition("note", "keynote"), 4);
    EXPECT_EQ(WildcardPosition("o", "foo"), 2);
    EXPECT_EQ(WildcardPosition("notepad!", "notepad"), 0);
    EXPECT_EQ(WildcardPosition("x", ""), 0);
    EXPECT_EQ(WildcardPosition("Note", "notepad"), 0);  // callers fold; the search does not
}

TEST(WildcardPosition, StarPiecesMustFollowInOrder) {
    EXPECT_EQ(WildcardPosition("n*pad", "notepad"), 1);
    EXPECT_EQ(WildcardPosition("pad*note", "notepad"), 0);
    EXPECT_EQ(WildcardPosition("t*p*d", "notepad"), 3);
    EXPECT_EQ(WildcardPosition("*note*", "keynote"), 4);
    EXPECT_EQ(WildcardPosition("e**p", "notepad"), 4);
}

TEST(WildcardPosition, NextPieceStartsOneAfterThePreviousStart) {
    EXPECT_EQ(WildcardPosition("ab*b", "ab"), 1);
    EXPECT_EQ(WildcardPosition("aba*bab", "abab"), 1);
    EXPECT_EQ(WildcardPosition("a*a", "a"), 0);
    EXPECT_EQ(WildcardPosition("a*a", "aa"), 1);
    EXPECT_EQ(WildcardPosition("ab*ab", "ab"), 0);
    // Only the first occurrence of the first piece counts, even when a later one would fit.
    EXPECT_EQ(WildcardPosition("x*y", "xaxy"), 1);
}

TEST(WildcardPosition, StarsAloneMatchEverythingAndEmptyMatchesNothing) {
    EXPECT_EQ(WildcardPosition("*", "anything"), 1);
    EXPECT_EQ(WildcardPosition("***", ""), 1);
    EXPECT_EQ(WildcardPosition("", "anything"), 0);
    EXPECT_EQ(WildcardPosition("", ""), 0);
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
