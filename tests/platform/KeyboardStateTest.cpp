#include "platform/KeyboardState.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(PolledKeyIsDownTest, AnyAsyncReportOrMessageStateHighBit) {
    // {async state, message state, down}: bit 0 of the async state is "pressed since the last
    // query"; bit 0 of the message state is a lock key's toggle, no press.
    const std::tuple<std::uint16_t, std::uint16_t, bool> cases[] = {
        {0x8000, 0, true}, {0x0001, 0, true}, {0x8001, 0, true}, {0, 0x8000, true}, {0, 0xFF80, true},
        {0, 0x8001, true}, {0, 0, false},     {0, 0x0001, false}, {0, 0x7FFE, false},
    };
    for (const auto& [async, message, down] : cases) {
        EXPECT_EQ(PolledKeyIsDown(static_cast<std::int16_t>(async), static_cast<std::int16_t>(message)), down)
            << async << " " << message;
    }
}

}  // namespace
}  // namespace qx
