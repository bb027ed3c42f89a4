#include "e2e/WindowProbe.h"

#include <shellapi.h>

#include <cstdlib>
#include <vector>

namespace qx::test {

namespace {

// The top-level windows for which keep(window) holds.
template <typename Keep>
std::vector<HWND> TopWindowsWhere(Keep keep) {
    struct Request {
        Keep& keep;
        std::vector<HWND> found;
    } request{keep, {}};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& request = *reinterpret_cast<Request*>(parameter);
            if (request.keep(window)) request.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&request));
    return request.found;
}

bool NotifyTrayIcon(DWORD message, HWND owner, UINT id) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = id;
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconA(message, &data) != FALSE;
}

}  // namespace

HWND FindTopWindow(const std::string& windowClass, const char* caption) {
    return FindWindowA(windowClass.c_str(), caption);
}

std::vector<HWND> TopWindowsOfClass(const std::string& windowClass) {
    return TopWindowsWhere([&](HWND window) { return WindowClassName(window) == windowClass; });
}

DWORD WindowProcessId(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::string WindowCaption(HWND window) {
    // WM_GETTEXT with a time limit: GetWindowTextA could block on a hung program.
    char text[4096] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    return text;
}

std::string WindowClassName(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ScreenRect() {
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool IsShownOnScreen(HWND window) {
    if (!IsWindow(window) || !IsWindowVisible(window) || IsIconic(window)) return false;
    const RECT rect = WindowRect(window);
    const RECT screen = ScreenRect();
    return rect.left >= screen.left && rect.top >= screen.top && rect.right <= screen.right &&
           rect.bottom <= screen.bottom && rect.right > rect.left && rect.bottom > rect.top;
}

bool IsCentredOnWorkArea(HWND window, int tolerance) {
    const RECT rect = WindowRect(window);
    RECT area = ScreenRect();
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    // Compared doubled, so an odd difference in sizes needs no rounding rule.
    const long dx = (rect.left + rect.right) - (area.left + area.right);
    const long dy = (rect.top + rect.bottom) - (area.top + area.bottom);
    return std::labs(dx) <= 2L * tolerance && std::labs(dy) <= 2L * tolerance;
}

bool IsParkedOffScreen(HWND window) {
    return !IsWindowVisible(window) || IsIconic(window) ||
           WindowRect(window).top == ScreenRect().bottom + 5000;
}

bool HasKeyboardFocus(HWND window, HWND child) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetForegroundWindow() == window && GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
           info.hwndFocus == child;
}

bool TrayIconExists(HWND owner, UINT id) {
    return NotifyTrayIcon(NIM_MODIFY, owner, id);
}

bool RemoveTrayIcon(HWND owner, UINT id) {
    return NotifyTrayIcon(NIM_DELETE, owner, id);
}

std::optional<DWORD_PTR> SendWithin(HWND window, UINT message, WPARAM wParam, milliseconds timeout) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, 0, SMTO_ABORTIFHUNG, static_cast<UINT>(timeout.count()),
                             &result))
        return std::nullopt;
    return result;
}

bool SendRestore(HWND window) {
    return SendWithin(window, WM_SYSCOMMAND, SC_RESTORE).has_value();
}

bool SendMinimise(HWND window) {
    return SendWithin(window, WM_SYSCOMMAND, SC_MINIMIZE).has_value();
}

bool PostClose(HWND window) {
    return PostMessageA(window, WM_CLOSE, 0, 0) != 0;
}

HWND FindMessageBox(DWORD pid) {
    const auto boxes = TopWindowsWhere([&](HWND window) {
        return WindowProcessId(window) == pid && WindowClassName(window) == "#32770" && IsWindowVisible(window);
    });
    return boxes.empty() ? nullptr : boxes.front();
}

HWND WaitForMessageBox(DWORD pid, milliseconds timeout) {
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindMessageBox(pid)) != nullptr; }, timeout);
    return box;
}

std::string MessageBoxText(HWND box) {
    std::string joined;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM parameter) -> BOOL {
            auto& joined = *reinterpret_cast<std::string*>(parameter);
            const std::string text = WindowCaption(child);
            if (WindowClassName(child) == "Static" && !text.empty()) joined += (joined.empty() ? "" : "\n") + text;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&joined));
    return joined;
}

bool AnswerMessageBox(HWND box, int buttonId, milliseconds timeout) {
    HWND button = GetDlgItem(box, buttonId);
    // WM_COMMAND as the button itself reports a click: no mouse or focus involved.
    return button && IsWindowEnabled(button) &&
           PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button)) &&
           WaitUntil([&] { return !IsWindow(box); }, timeout);
}

std::string AnswerNextMessageBox(DWORD pid, int buttonId) {
    HWND box = WaitForMessageBox(pid);
    if (!box) return "(no box)";
    const std::string text = MessageBoxText(box);
    return AnswerMessageBox(box, buttonId) ? text : "(not answered) " + text;
}

}  // namespace qx::test
