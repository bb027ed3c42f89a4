#pragma once
#include <windows.h>

#include <string>

#include "e2e/WindowProbe.h"

namespace qx::test {

// Standard message boxes are dialogs of this class.
inline constexpr char kMessageBoxClass[] = "#32770";

// A visible message box of the process, or null.
HWND FindMessageBox(DWORD pid);
HWND WaitForMessageBox(DWORD pid, milliseconds timeout = kDefaultTimeout);
// The box's message: the texts of its Static controls (the icon's empty one left out),
// joined by "\n" when there are several.
std::string MessageBoxText(HWND box);
// Answers the box as a click on the button with that id (IDYES, IDNO, IDOK...) would, and
// waits until the box is gone. False when the box has no such button or stays open.
bool AnswerMessageBox(HWND box, int buttonId, milliseconds timeout = kDefaultTimeout);

}  // namespace qx::test
