#include "platform/win32/Win32KeyboardState.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

bool SendKey(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return ::SendInput(1, &input, sizeof input) == 1;
}

// Holds a key down and lets it go however the test ends, so no key stays stuck for the next.
struct HeldKey {
    explicit HeldKey(WORD virtualKey) : key(virtualKey), pressed(SendKey(virtualKey, false)) {}
    ~HeldKey() {
        if (pressed) SendKey(key, true);
    }
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;
    WORD key;
    bool pressed;
};

// The key state follows the input a moment later; polls until it reads as wanted.
bool PollsAs(Win32KeyboardState& keyboard, int virtualKey, bool wanted) {
    for (int tries = 0; tries < 100; ++tries) {
        if (keyboard.PollKey(virtualKey) == wanted) return true;
        ::Sleep(10);
    }
    return false;
}

TEST(Win32KeyboardStateTest, PollKey_ExtraKeyReadsDownWhileHeldAndUpAfterRelease) {
    Win32KeyboardState keyboard;
    EXPECT_TRUE(PollsAs(keyboard, vk::kOem102, false)) << "the key was down before the test";
    {
        HeldKey key(VK_OEM_102);
        ASSERT_TRUE(key.pressed);
        EXPECT_TRUE(PollsAs(keyboard, vk::kOem102, true));
        EXPECT_TRUE(keyboard.PollKey(vk::kOem102));  // held on, it keeps reading down
    }
    EXPECT_TRUE(PollsAs(keyboard, vk::kOem102, false));
    // Once up, it stays up: the "pressed since" note was consumed by the polls.
    EXPECT_FALSE(keyboard.PollKey(vk::kOem102));
}

TEST(Win32KeyboardStateTest, VirtualKeyOf_LettersDigitsEscapeAndUntypableAndOutOfRangeKeysReadUp) {
    Win32KeyboardState keyboard;
    EXPECT_FALSE(keyboard.PollKey(0));
    EXPECT_FALSE(keyboard.PollKey(0x100 + vk::kControl));
    EXPECT_FALSE(keyboard.IsKeyDown(0x100 + vk::kShift));
    EXPECT_EQ(keyboard.VirtualKeyOf('a'), 'A');
    EXPECT_EQ(keyboard.VirtualKeyOf('A'), 'A');  // Shift is not part of the answer
    EXPECT_EQ(keyboard.VirtualKeyOf('\r'), VK_RETURN);
    EXPECT_EQ(keyboard.VirtualKeyOf('\x1B'), VK_ESCAPE);
    EXPECT_EQ(keyboard.VirtualKeyOf('\x01'), 'A');  // Ctrl+A
    EXPECT_EQ(keyboard.VirtualKeyOf('\xA4'), -1);  // no key types the currency sign on the US layout
}

}  // namespace
}  // namespace qx
