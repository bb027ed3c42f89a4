#include "e2e/MouseInput.h"

#include <algorithm>

#include "e2e/WindowProbe.h"

namespace qx::test {

namespace {

INPUT MouseEvent(POINT at, DWORD buttonFlags) {
    const RECT screen = ScreenRect();
    const auto absolute = [](LONG value, LONG size) {
        return static_cast<LONG>((value * 65535LL) / std::max(1L, size - 1));
    };
    INPUT event{};
    event.type = INPUT_MOUSE;
    event.mi.dx = absolute(at.x, screen.right - screen.left);
    event.mi.dy = absolute(at.y, screen.bottom - screen.top);
    event.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
    return event;
}

}  // namespace

bool MoveMouseTo(POINT at) {
    INPUT event = MouseEvent(at, 0);
    return SendInput(1, &event, sizeof(INPUT)) == 1;
}

bool LeftButtonAt(POINT at, bool down) {
    INPUT event = MouseEvent(at, down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
    return SendInput(1, &event, sizeof(INPUT)) == 1;
}

bool ClickOn(HWND control) {
    const RECT rect = WindowRect(control);
    const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    INPUT input[3] = {MouseEvent(centre, 0), MouseEvent(centre, MOUSEEVENTF_LEFTDOWN),
                      MouseEvent(centre, MOUSEEVENTF_LEFTUP)};
    return SendInput(3, input, sizeof(INPUT)) == 3;
}

}  // namespace qx::test
