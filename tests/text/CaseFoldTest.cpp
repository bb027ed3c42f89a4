#include "text/CaseFold.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(CaseFold, FoldsWindows1252LettersAndSortsHighBytesAfterAscii) {
    EXPECT_TRUE(SameText("\xC4rger \xD6l \x8A \x9F", "\xE4rger \xF6l \x9A \xFF"));
    EXPECT_FALSE(SameText("\xD7", "\xF7"));  // multiplication and division signs are not a pair
    EXPECT_FALSE(SameText("ab", "abc"));
    EXPECT_LT(CompareText("A", "b"), 0);
    EXPECT_LT(CompareText(" folder", "a"), 0);
    EXPECT_LT(CompareText("z", "\xE4"), 0);
    EXPECT_EQ(CompareText("ABC", "abc"), 0);
    EXPECT_LT(CompareText("ab", "abc"), 0);
}

}  // namespace
}  // namespace qx
