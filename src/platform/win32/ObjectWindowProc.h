#pragma once
#include "platform/win32/Win32Api.h"

#include <exception>

namespace qx {

// The window procedure of a window class whose windows each belong to one C++ object (passed
// as CreateWindowEx's last argument):
//   WM_NCCREATE   ties the window to the object and tells it its handle (AttachWindow);
//   WM_NCDESTROY  unties them first (DetachWindow), so late messages never reach an object
//                 that is going away;
//   the rest      goes to HandleMessage. An exception must not unwind through the system's
//                 code: it goes to ReportFailure and the message counts as handled.
// A class using it names it as a friend:
//   friend LRESULT CALLBACK ObjectWindowProc<Class>(HWND, UINT, WPARAM, LPARAM);
template <class Window>
LRESULT CALLBACK ObjectWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* owner = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        owner->AttachWindow(hwnd);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        if (self) self->DetachWindow();
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        self->ReportFailure(error.what());
    } catch (...) {
        self->ReportFailure("Unknown error");
    }
    return 0;
}

// Registers a window class of this module once; true when it exists afterwards (also when an
// earlier window or another thread registered it first).
inline bool RegisterObjectWindowClass(HINSTANCE instance, const char* className, WNDPROC procedure, UINT style,
                                      HCURSOR cursor) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(instance, className, &existing)) return true;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = cursor;
    windowClass.lpszClassName = className;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace qx
