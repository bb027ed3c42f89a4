#include "e2e/MessageBoxProbe.h"

#include <vector>

namespace qx::test {

namespace {

BOOL CALLBACK CollectStaticTexts(HWND child, LPARAM parameter) {
    auto& texts = *reinterpret_cast<std::vector<std::string>*>(parameter);
    if (WindowClassName(child) == "Static") {
        std::string text = WindowCaption(child);
        if (!text.empty()) {
            texts.push_back(std::move(text));
        }
    }
    return TRUE;
}

}  // namespace

HWND FindMessageBox(DWORD pid) {
    for (HWND window : TopWindowsOfProcess(pid)) {
        if (WindowClassName(window) == kMessageBoxClass && IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

HWND WaitForMessageBox(DWORD pid, milliseconds timeout) {
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindMessageBox(pid)) != nullptr; }, timeout);
    return box;
}

std::string MessageBoxText(HWND box) {
    std::vector<std::string> texts;
    EnumChildWindows(box, CollectStaticTexts, reinterpret_cast<LPARAM>(&texts));
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : "\n") + text;
    }
    return joined;
}

bool AnswerMessageBox(HWND box, int buttonId, milliseconds timeout) {
    HWND button = GetDlgItem(box, buttonId);
    if (!button || !IsWindowEnabled(button)) {
        return false;
    }
    // WM_COMMAND as the button itself reports a click: no mouse or focus involved.
    if (!PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button))) {
        return false;
    }
    return WaitUntil([&] { return !IsWindow(box); }, timeout);
}

}  // namespace qx::test
