#include "platform/win32/Win32MessageBoxes.h"

namespace qx {

int Win32MessageBoxes::Show(const std::string& text, UINT type) const {
    // A box asked for while one of the window's dialogs is open belongs to that dialog: owned by
    // the window, it would hand the window back its input (and the foreground) when it closes,
    // while the dialog still expects it disabled.
    HWND owner = owner_ ? ::GetLastActivePopup(owner_) : nullptr;
    return ::MessageBoxA(owner, text.c_str(), kCaption, type);
}

void Win32MessageBoxes::ShowMessage(const std::string& text) { Show(text, MB_OK); }

bool Win32MessageBoxes::AskQuestion(const std::string& text) { return Show(text, MB_YESNO | MB_ICONQUESTION) == IDYES; }

void Win32MessageBoxes::ShowError(const std::string& text) { Show(text, MB_OK | MB_ICONERROR); }

}  // namespace qx
