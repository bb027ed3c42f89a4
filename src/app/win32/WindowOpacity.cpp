#include "app/win32/WindowOpacity.h"

namespace qx {

WindowOpacity::WindowOpacity() {
    if (HMODULE user = GetModuleHandleA("User32.dll"))
        setAttributes_ = reinterpret_cast<SetAttributesFunction>(
            reinterpret_cast<void*>(GetProcAddress(user, "SetLayeredWindowAttributes")));
}

void WindowOpacity::Attach(HWND window) {
    window_ = window;
    savedExStyle_ = GetWindowLongPtrA(window, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_LAYERED);
}

bool WindowOpacity::Apply(int alpha) {
    if (!window_) return false;
    if (alpha < 0 || !setAttributes_) {
        SetWindowLongPtrA(window_, GWL_EXSTYLE, savedExStyle_);
        return alpha < 0;
    }
    // Fully opaque: the style is dropped first so that the window leaves any alpha behind.
    if (alpha >= 255) SetWindowLongPtrA(window_, GWL_EXSTYLE, savedExStyle_);
    SetWindowLongPtrA(window_, GWL_EXSTYLE, savedExStyle_ | WS_EX_LAYERED);
    const bool layered = alpha >= 255 ? setAttributes_(window_, kColourKey, 0, LWA_COLORKEY)
                                      : setAttributes_(window_, kColourKey, static_cast<BYTE>(alpha),
                                                       LWA_COLORKEY | LWA_ALPHA);
    if (!layered) SetWindowLongPtrA(window_, GWL_EXSTYLE, savedExStyle_);
    return layered;
}

}  // namespace qx
