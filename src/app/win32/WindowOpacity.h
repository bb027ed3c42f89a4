#pragma once
#include "platform/win32/Win32Api.h"

namespace qx {

// Window opacity through a layered window whose magenta pixels are see-through: that is
// what gives the looks their round corners.
class WindowOpacity {
public:
    using SetAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    static constexpr COLORREF kColourKey = RGB(255, 0, 255);

    // SetLayeredWindowAttributes as "User32.dll" exports it; none on systems without it.
    WindowOpacity();
    explicit WindowOpacity(SetAttributesFunction setAttributes) : setAttributes_(setAttributes) {}

    // Takes the window's extended style from before any layering.
    void Attach(HWND window);
    // Alpha 0..255 layers the window (255: the colour key alone); -1 gives the window its
    // own extended style back. False when the window could not be layered: it is left
    // unlayered then, as a layered window without attributes would not show at all.
    bool Apply(int alpha);

private:
    SetAttributesFunction setAttributes_ = nullptr;
    HWND window_ = nullptr;
    LONG_PTR savedExStyle_ = 0;
};

}  // namespace qx
