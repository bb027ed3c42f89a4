#include "platform/win32/Win32KeyboardState.h"

#include <gtest/gtest.h>

#include "e2e/KeyboardInput.h"
#include "e2e/WindowProbe.h"

namespace qx {
namespace {

TEST(Win32KeyboardStateTest, PollKey_ExtraKeyReadsDownWhileHeldAndUpAfterRelease) {
    Win32KeyboardState keyboard;
    // The key state follows the input a moment later.
    const auto pollsAs = [&](bool wanted) {
        return test::WaitUntil([&] { return keyboard.PollKey(vk::kOem102) == wanted; });
    };
    EXPECT_TRUE(pollsAs(false)) << "the key was down before the test";
    {
        test::HeldKeys key({VK_OEM_102});
        ASSERT_TRUE(key.Pressed());
        EXPECT_TRUE(pollsAs(true));
        EXPECT_TRUE(keyboard.PollKey(vk::kOem102));  // held on, it keeps reading down
    }
    EXPECT_TRUE(pollsAs(false));
    // Once up, it stays up: the "pressed since" note was consumed by the polls.
    EXPECT_FALSE(keyboard.PollKey(vk::kOem102));
}

TEST(Win32KeyboardStateTest, VirtualKeyOf_LeavesModifiersOutAndUntypableAndOutOfRangeKeysReadUp) {
    Win32KeyboardState keyboard;
    EXPECT_FALSE(keyboard.PollKey(0));
    EXPECT_FALSE(keyboard.PollKey(0x100 + vk::kControl));
    EXPECT_FALSE(keyboard.IsKeyDown(0x100 + vk::kShift));
    EXPECT_EQ(keyboard.VirtualKeyOf('A'), 'A');  // Shift is not part of the answer
    EXPECT_EQ(keyboard.VirtualKeyOf('\x01'), 'A');  // nor is Ctrl (Ctrl+A)
    EXPECT_EQ(keyboard.VirtualKeyOf('\xA4'), -1);  // no key types the currency sign on the US layout
}

}  // namespace
}  // namespace qx
