#include "platform/KeyboardState.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(PolledKeyIsDownTest, AnyAsyncReportOrMessageStateHighBit) {
    constexpr std::int16_t kDown = static_cast<std::int16_t>(0x8000);
    constexpr std::int16_t kDownToggled = static_cast<std::int16_t>(0x8001);
    EXPECT_TRUE(PolledKeyIsDown(kDown, 0));
    EXPECT_TRUE(PolledKeyIsDown(0x0001, 0));  // pressed since the previous query only
    EXPECT_TRUE(PolledKeyIsDown(kDownToggled, 0));
    EXPECT_TRUE(PolledKeyIsDown(0, kDown));
    EXPECT_TRUE(PolledKeyIsDown(0, static_cast<std::int16_t>(0xFF80)));  // -128: high bit set
    EXPECT_TRUE(PolledKeyIsDown(0, kDownToggled));
    EXPECT_FALSE(PolledKeyIsDown(0, 0));
    EXPECT_FALSE(PolledKeyIsDown(0, 0x0001));  // a lock key's toggle is not a press
    EXPECT_FALSE(PolledKeyIsDown(0, 0x7FFE));
}

}  // namespace
}  // namespace qx
