#pragma once
#include <cstdint>

#include "platform/VirtualKeys.h"

namespace qx {

// The modifier keys as they were at one key or mouse message.
struct ModifierKeys {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// Whether a polled key counts as down, from the two states the system keeps for it:
// the asynchronous one counts when it reports anything at all (down now, or pressed since the
// previous query), the thread's message state only through its high bit; its low bit is the
// toggle of a lock key and means nothing here.
constexpr bool PolledKeyIsDown(std::int16_t asyncState, std::int16_t messageState) {
    return asyncState != 0 || messageState < 0;
}

// The keyboard as the logic sees it. Keys are virtual key codes 0..255.
class IKeyboardState {
public:
    virtual ~IKeyboardState() = default;

    // Down now or pressed since the previous poll of this key, or down by the state of the
    // message being handled (PolledKeyIsDown). Polling consumes the "pressed since" note,
    // hence not const.
    virtual bool PollKey(int virtualKey) = 0;
    // Down by the state of the message being handled (for modifiers read inside key handlers).
    virtual bool IsKeyDown(int virtualKey) const = 0;
    // The virtual key that types this ANSI character on the current layout, without its
    // modifiers; -1 when no key types it.
    virtual int VirtualKeyOf(char character) const = 0;
};

}  // namespace qx
