#pragma once
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace qx::test {

using std::chrono::milliseconds;

// Wine needs several seconds for the first start in a fresh prefix.
constexpr milliseconds kDefaultTimeout{10000};
constexpr milliseconds kPollInterval{20};
// Long enough for many 10 ms housekeeping ticks: used only to show that something does NOT happen.
constexpr milliseconds kQuietPeriod{1500};

// Polls the condition every 20 ms until it holds or the timeout passes; true when it held.
template <typename Condition>
bool WaitUntil(Condition condition, milliseconds timeout = kDefaultTimeout) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeout.count());
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(static_cast<DWORD>(kPollInterval.count()));
    }
}

// Finding windows. A null caption matches any caption.
HWND FindTopWindow(const std::string& windowClass, const char* caption);
std::vector<HWND> TopWindowsOfClass(const std::string& windowClass);
DWORD WindowProcessId(HWND window);

// Reading windows.
std::string WindowCaption(HWND window);
std::string WindowClassName(HWND window);
RECT WindowRect(HWND window);
RECT ScreenRect();
// Visible, not minimised, and lying wholly on the screen.
bool IsShownOnScreen(HWND window);
// The window's centre is within tolerance pixels of the work area's centre.
bool IsCentredOnWorkArea(HWND window, int tolerance = 1);
// Out of sight: minimised, invisible, or parked below the screen (top = screen height + 5000).
bool IsParkedOffScreen(HWND window);
// The window is the foreground window and this child of it has the keyboard focus.
bool HasKeyboardFocus(HWND window, HWND child);

// The notification-area icon a window added with this id; another program sees it only
// through a change it asks for, so a tip change tells whether it is there.
bool TrayIconExists(HWND owner, UINT id);
bool RemoveTrayIcon(HWND owner, UINT id);

// Messages, sent as another program (the task bar, Windows itself) would send them: with a
// time limit, as to a program that may hang. The answer, or nothing when none came in time.
std::optional<DWORD_PTR> SendWithin(HWND window, UINT message, WPARAM wParam,
                                    milliseconds timeout = milliseconds(5000));
bool SendRestore(HWND window);
bool SendMinimise(HWND window);
bool PostClose(HWND window);

// Message boxes: a visible standard dialog ("#32770") of the process, or null.
HWND FindMessageBox(DWORD pid);
HWND WaitForMessageBox(DWORD pid, milliseconds timeout = kDefaultTimeout);
// The box's message: the texts of its Static controls (the icon's empty one left out),
// joined by "\n" when there are several.
std::string MessageBoxText(HWND box);
// Answers the box as a click on the button with that id (IDYES, IDNO, IDOK...) would, and
// waits until the box is gone. False when the box has no such button or stays open.
bool AnswerMessageBox(HWND box, int buttonId, milliseconds timeout = kDefaultTimeout);
// Waits for the process's next message box, answers it with that button and gives its
// message; "(no box)" when none came, the message after "(not answered) " when the answer failed.
std::string AnswerNextMessageBox(DWORD pid, int buttonId);

}  // namespace qx::test
