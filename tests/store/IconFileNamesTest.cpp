#include "store/IconFileNames.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(IconFileNames, EachForbiddenCharacterGetsItsOwnStandInAndBothSchemesNameAsBefore) {
    EXPECT_EQ(SafeName("a\\:\"/<>|*%@z.-"), "a\x9F\xA2\xA5\xCE\xAB\xDE\xA6\xBA\xE6\xE5z.-");
    EXPECT_EQ(IconFileName(false, "C:\\Apps\\Editor", 32), "nFlC\xA2\x9F" "Apps\x9F" "Editor32.ico");
    EXPECT_EQ(IconFileName(true, "D:", 16), "nDrD\xA2" "16.ico");
    // The index follows the size and is left out when 0.
    EXPECT_EQ(EarlierIconFileName(false, "C:\\x.exe", 24, 3), "FlC\xA2\x9Fx.exe243.ico");
    EXPECT_EQ(EarlierIconFileName(true, "C:\\d\\", 48, 0), "DrC\xA2\x9F" "d\x9F" "48.ico");
    EXPECT_EQ(EarlierIconSource("i.ico", "Ed", "C:\\e.exe", "e.exe", ""), "i.ico\xFB" "Ed\xFB");
    EXPECT_EQ(EarlierIconSource("", "Ed", "", "e.exe", "14 00"), "e.exe");
}

}  // namespace
}  // namespace qx
