#include "platform/win32/Win32KeyboardState.h"

namespace qx {

namespace {

bool IsKeyCode(int virtualKey) { return virtualKey > 0 && virtualKey <= 0xFF; }

}  // namespace

bool Win32KeyboardState::PollKey(int virtualKey) {
    if (!IsKeyCode(virtualKey)) return false;
    // Both are read every time: the asynchronous query also clears its "pressed since" note.
    const SHORT asyncState = ::GetAsyncKeyState(virtualKey);
    return PolledKeyIsDown(asyncState, ::GetKeyState(virtualKey));
}

bool Win32KeyboardState::IsKeyDown(int virtualKey) const {
    return IsKeyCode(virtualKey) && ::GetKeyState(virtualKey) < 0;
}

int Win32KeyboardState::VirtualKeyOf(char character) const {
    const SHORT scan = ::VkKeyScanA(character);
    // -1 in both bytes: no key types the character.
    if (LOBYTE(scan) == 0xFF && HIBYTE(scan) == 0xFF) return -1;
    return LOBYTE(scan);
}

}  // namespace qx
