#pragma once
#include "platform/win32/Win32Api.h"

#include <optional>
#include <string>

namespace qx {

// Asks for a password in a small modal dialog centred on the screen, typed characters shown as
// "*". The typed text when it ends with "OK", nothing when cancelled or closed. The caller wipes
// the answer (WipeSecret) once used.
std::optional<std::wstring> PromptPassword(HWND owner, const std::string& caption, const std::string& prompt);

}  // namespace qx
