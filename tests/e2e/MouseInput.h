#pragma once
#include <windows.h>

namespace qx::test {

// Mouse input through SendInput, the position carried by each event: a separate SetCursorPos
// may reach the display after a button does.
// Moves the pointer to the screen point (a button held stays held).
bool MoveMouseTo(POINT at);
// Moves there and presses (down) or releases the left button.
bool LeftButtonAt(POINT at, bool down);
// Moves to the centre of the window (a control) and clicks there with the left button.
bool ClickOn(HWND control);

}  // namespace qx::test
