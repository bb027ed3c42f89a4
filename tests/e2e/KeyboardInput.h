#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace qx::test {

// Keyboard input through SendInput. Under Wine it reaches the key state every other process
// of the session polls, whether or not one of its windows has the focus.
// Holds the keys down in order, then lets them go in reverse order.
bool PressChord(std::initializer_list<WORD> virtualKeys);
// Down and up.
inline bool PressKey(WORD virtualKey) { return PressChord({virtualKey}); }
// Types ANSI text key by key, with Shift, Ctrl and Alt as the keyboard layout needs them.
// False when a character has no key on the layout (nothing of the text is typed then).
bool TypeText(const std::string& text);

// Holds keys down for its lifetime, so a failing test never leaves a key stuck for the next.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<WORD> virtualKeys);
    ~HeldKeys();
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

    bool Pressed() const { return pressed_; }

private:
    std::vector<WORD> keys_;
    bool pressed_ = false;
};

}  // namespace qx::test
