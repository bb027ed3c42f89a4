#pragma once
#include "platform/win32/Win32Api.h"

#include "platform/KeyboardState.h"

namespace qx {

class Win32KeyboardState : public IKeyboardState {
public:
    // GetAsyncKeyState, falling back on GetKeyState.
    bool PollKey(int virtualKey) override;
    // GetKeyState's high bit.
    bool IsKeyDown(int virtualKey) const override;
    // VkKeyScanA's low byte.
    int VirtualKeyOf(char character) const override;
};

}  // namespace qx
