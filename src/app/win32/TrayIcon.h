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
    bool visible() const { return visible_; }

private:
    NOTIFYICONDATAA Data(UINT flags) const;

    HWND owner_;
    UINT id_;
    std::string hint_;
    HICON icon_ = nullptr;
    bool visible_ = false;
};

}  // namespace qx
