#include "text/Windows1252.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(Windows1252Test, EveryByteWidensAndComesBackAndForeignCharactersBecomeQuestionMarks) {
    EXPECT_EQ(WidenAnsi("a\xE4\xFC\xDF"), L"a\u00E4\u00FC\u00DF");
    EXPECT_EQ(WidenAnsi("\x80\x8A\x9F\x81\xA0\xFF"), L"\u20AC\u0160\u0178\u0081\u00A0\u00FF");
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte) everyByte += static_cast<char>(byte);
    EXPECT_EQ(NarrowToAnsi(WidenAnsi(everyByte)), everyByte);
    EXPECT_EQ(NarrowToAnsi(L"\u0100\u4E2D\u20AC"), "??\x80");
    EXPECT_EQ(NarrowToAnsi(WidenAnsi("")), "");
}

}  // namespace
}  // namespace qx
