#include "text/CaseFold.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(CaseFold, FoldsWindows1252Letters) {
    std::string upper = "AZ\x8A\x8C\x8E\x9F", lower = "az\x9A\x9C\x9E\xFF";
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c == 0xD7) continue;
        upper += static_cast<char>(c);
        lower += static_cast<char>(c + 0x20);
    }
    EXPECT_TRUE(SameText(upper, lower));
    EXPECT_EQ(FoldedText(upper), lower);
    EXPECT_EQ(FoldedText("@[`{\xD7\xDF\x9A"), "@[`{\xD7\xDF\x9A");  // signs, sharp s and lower case stay
    EXPECT_FALSE(SameText("ab", "abc"));
}

}  // namespace
}  // namespace qx
