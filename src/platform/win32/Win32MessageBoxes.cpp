#include "platform/win32/Win32MessageBoxes.h"

namespace qx {

int Win32MessageBoxes::Show(const std::string& text, UINT type) const {
    return ::MessageBoxA(owner_, text.c_str(), kCaption, type);
}

void Win32MessageBoxes::ShowMessage(const std::string& text) { Show(text, MB_OK); }

bool Win32MessageBoxes::AskQuestion(const std::string& text) { return Show(text, MB_YESNO | MB_ICONQUESTION) == IDYES; }

void Win32MessageBoxes::ShowError(const std::string& text) { Show(text, MB_OK | MB_ICONERROR); }

}  // namespace qx
