#pragma once
#include <array>

#include "platform/KeyboardState.h"

namespace qx::test {

// A key state array the test sets. Polls are counted per key.
class FakeKeyboardState : public IKeyboardState {
public:
    bool PollKey(int virtualKey) override {
        if (!Valid(virtualKey)) return false;
        ++polls[virtualKey];
        return down[virtualKey];
    }
    bool IsKeyDown(int virtualKey) const override { return Valid(virtualKey) && down[virtualKey]; }
    // Letters and digits map to their upper-case codes.
    int VirtualKeyOf(char character) const override {
        if (character >= 'a' && character <= 'z') return character - 'a' + 'A';
        if ((character >= 'A' && character <= 'Z') || (character >= '0' && character <= '9')) return character;
        return -1;
    }

    void Press(std::initializer_list<int> keys) {
        for (int key : keys) down[key] = true;
    }
    void Release(std::initializer_list<int> keys) {
        for (int key : keys) down[key] = false;
    }
    void ReleaseAll() { down.fill(false); }

    std::array<bool, 256> down{};
    std::array<int, 256> polls{};

private:
    static bool Valid(int virtualKey) { return virtualKey >= 0 && virtualKey <= 0xFF; }
};

}  // namespace qx::test
