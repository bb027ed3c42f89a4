#pragma once
#include <string>
#include <vector>

#include "e2e/Harness.h"

namespace qx::test {

// The window's list control, and the row it has selected.
inline HWND ListOf(HWND mainWindow) { return FindWindowExA(mainWindow, nullptr, "TovraLB", nullptr); }
inline int SelectedRow(HWND mainWindow) {
    return static_cast<int>(SendMessageA(ListOf(mainWindow), LB_GETCURSEL, 0, 0));
}

// The rows the window's list shows, read through its list box queries.
inline std::vector<std::string> ListRows(HWND mainWindow) {
    std::vector<std::string> rows;
    HWND list = ListOf(mainWindow);
    if (!list) return rows;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // Wine passes the row text across processes as UTF-16 whichever call asks for it.
        std::wstring wide(4096, L'\0');
        const LRESULT length = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide.data()));
        if (length < 0) break;
        wide.resize(wcsnlen(wide.c_str(), wide.size()));
        std::string text(wide.size() * 2 + 1, '\0');
        text.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()),
                                                                 text.data(), static_cast<int>(text.size()), nullptr,
                                                                 nullptr)));
        rows.push_back(text);
    }
    return rows;
}

// The window is in front with its hidden key capture field focused: typed keys reach it.
inline bool ReadyForTyping(HWND mainWindow) { return HasKeyboardFocus(mainWindow, GetDlgItem(mainWindow, 12)); }

// Brings the window to the front, as a click would, and waits until typing reaches it.
inline bool BringToFront(HWND mainWindow) {
    SetForegroundWindow(mainWindow);
    return WaitUntil([&] { return ReadyForTyping(mainWindow); });
}

// The text of the window's input line.
inline std::string InputLineText(HWND mainWindow) {
    HWND input = GetDlgItem(mainWindow, 10);
    char text[1024] = {};
    if (input) SendMessageA(input, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

}  // namespace qx::test
