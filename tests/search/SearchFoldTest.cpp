#include <gtest/gtest.h>

#include "search/SearchFold.h"

namespace qx {
namespace {

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
