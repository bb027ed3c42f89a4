#include "e2e/WindowProbe.h"

#include <shellapi.h>

#include <cstdlib>

namespace qx::test {

namespace {

constexpr UINT kSendTimeoutMs = 5000;

struct EnumRequest {
    const std::string* windowClass = nullptr;
    DWORD pid = 0;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectMatching(HWND window, LPARAM parameter) {
    auto& request = *reinterpret_cast<EnumRequest*>(parameter);
    if (request.windowClass && WindowClassName(window) != *request.windowClass) {
        return TRUE;
    }
    if (request.pid != 0 && WindowProcessId(window) != request.pid) {
        return TRUE;
    }
    request.found.push_back(window);
    return TRUE;
}

bool SendSysCommand(HWND window, WPARAM command) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_SYSCOMMAND, command, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) != 0;
}

}  // namespace

HWND FindTopWindow(const std::string& windowClass, const char* caption) {
    return FindWindowA(windowClass.c_str(), caption);
}

HWND WaitForTopWindow(const std::string& windowClass, const char* caption, milliseconds timeout) {
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindTopWindow(windowClass, caption)) != nullptr; }, timeout);
    return window;
}

std::vector<HWND> TopWindowsOfClass(const std::string& windowClass) {
    EnumRequest request;
    request.windowClass = &windowClass;
    EnumWindows(CollectMatching, reinterpret_cast<LPARAM>(&request));
    return request.found;
}

std::vector<HWND> TopWindowsOfProcess(DWORD pid) {
    EnumRequest request;
    request.pid = pid;
    EnumWindows(CollectMatching, reinterpret_cast<LPARAM>(&request));
    return request.found;
}

DWORD WindowProcessId(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::string WindowCaption(HWND window) {
    // WM_GETTEXT with a time limit: GetWindowTextA could block on a hung program.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length)) {
        return {};
    }
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied)) {
        return {};
    }
    text.resize(copied < text.size() ? copied : text.size() - 1);
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

RECT WorkArea() {
    RECT area{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) {
        area = ScreenRect();
    }
    return area;
}

bool IsShownOnScreen(HWND window) {
    if (!IsWindow(window) || !IsWindowVisible(window) || IsIconic(window)) {
        return false;
    }
    const RECT rect = WindowRect(window);
    const RECT screen = ScreenRect();
    return rect.left >= screen.left && rect.top >= screen.top && rect.right <= screen.right &&
           rect.bottom <= screen.bottom && rect.right > rect.left && rect.bottom > rect.top;
}

bool IsCentredOnWorkArea(HWND window, int tolerance) {
    const RECT rect = WindowRect(window);
    const RECT area = WorkArea();
    // Compared doubled, so an odd difference in sizes needs no rounding rule.
    const long dx = (rect.left + rect.right) - (area.left + area.right);
    const long dy = (rect.top + rect.bottom) - (area.top + area.bottom);
    return std::labs(dx) <= 2L * tolerance && std::labs(dy) <= 2L * tolerance;
}

bool IsParkedOffScreen(HWND window) {
    if (!IsWindowVisible(window) || IsIconic(window)) {
        return true;
    }
    return WindowRect(window).top == ScreenRect().bottom + 5000;
}

bool HasKeyboardFocus(HWND window, HWND child) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetForegroundWindow() == window && GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
           info.hwndFocus == child;
}

namespace {

bool NotifyTrayIcon(DWORD message, HWND owner, UINT id) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = id;
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconA(message, &data) != FALSE;
}

}  // namespace

bool TrayIconExists(HWND owner, UINT id) {
    return NotifyTrayIcon(NIM_MODIFY, owner, id);
}

bool RemoveTrayIcon(HWND owner, UINT id) {
    return NotifyTrayIcon(NIM_DELETE, owner, id);
}

bool SendRestore(HWND window) {
    return SendSysCommand(window, SC_RESTORE);
}

bool SendMinimise(HWND window) {
    return SendSysCommand(window, SC_MINIMIZE);
}

bool PostClose(HWND window) {
    return PostMessageA(window, WM_CLOSE, 0, 0) != 0;
}

bool SendRegisteredMessage(HWND window, const char* name) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, RegisterWindowMessageA(name), 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                               &result) != 0;
}

std::optional<LRESULT> SendQueryEndSession(HWND window, milliseconds timeout) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG,
                             static_cast<UINT>(timeout.count()), &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

}  // namespace qx::test
