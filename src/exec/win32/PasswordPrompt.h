#pragma once
#include "platform/win32/Win32Api.h"

#include <optional>
#include <string>

#include "platform/SecretText.h"

namespace qx {

// Asks for a password in a small modal dialog centred on the screen, typed characters shown as
// "*". The typed text when it ends with "OK", nothing when cancelled or closed; it stays UTF-16
// and is wiped wherever a copy of it goes.
std::optional<SecretText> PromptPassword(HWND owner, const std::string& caption, const std::string& prompt);

}  // namespace qx
