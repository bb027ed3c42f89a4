#include "e2e/Backdrop.h"

namespace qx::test {

namespace {

constexpr char kClassName[] = "QxTestBackdrop";

LRESULT CALLBACK BackdropProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT client{};
        GetClientRect(window, &client);
        HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrA(window, GWLP_USERDATA)));
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        DeleteObject(brush);
        return 1;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

Backdrop::Backdrop(const RECT& area, COLORREF colour)
    : colour_(colour), ready_(CreateEventA(nullptr, TRUE, FALSE, nullptr)), thread_([this, area] { Run(area); }) {
    WaitForSingleObject(ready_, INFINITE);
}

Backdrop::~Backdrop() {
    if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
    thread_.join();
    CloseHandle(ready_);
}

void Backdrop::Run(RECT area) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = BackdropProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);  // fails harmlessly when an earlier backdrop registered it
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, "", WS_POPUP, area.left, area.top,
                              area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                              windowClass.hInstance, nullptr);
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, static_cast<LONG_PTR>(colour_));
        SetWindowPos(window_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    SetEvent(ready_);
    if (!window_) return;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
}

}  // namespace qx::test
