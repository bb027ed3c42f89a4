#pragma once
#include "platform/win32/Win32Api.h"

#include <shellapi.h>

#include <string>

namespace qx {

// The notification-area icon shown while the main window is hidden.
class TrayIcon {
public:
    static constexpr UINT kCallbackMessage = WM_APP + 1;

    TrayIcon(HWND owner, UINT id, std::string hint);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void SetVisible(bool visible);
    void SetIcon(HICON icon);
    // The task bar restarted and has lost every icon: adds it again where it belongs.
    void TaskbarCreated();
    bool visible() const { return visible_; }

private:
    NOTIFYICONDATAA Data(UINT flags) const;

    HWND owner_;
    UINT id_;
    std::string hint_;
    HICON icon_ = nullptr;
    bool wanted_ = false;   // the window is hidden and shows itself in the tray
    bool visible_ = false;  // the shell has it
};

}  // namespace qx
