#include "app/win32/TrayIcon.h"

#include <shellapi.h>

#include <cstring>
#include <utility>

namespace qx {

TrayIcon::TrayIcon(HWND owner, UINT id, std::string hint) : owner_(owner), id_(id), hint_(std::move(hint)) {}

TrayIcon::~TrayIcon() { SetVisible(false); }

NOTIFYICONDATAA TrayIcon::Data(UINT flags) const {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner_;
    data.uID = id_;
    data.uFlags = flags;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_;
    std::strncpy(data.szTip, hint_.c_str(), sizeof(data.szTip) - 1);
    return data;
}

void TrayIcon::SetVisible(bool visible) {
    wanted_ = visible;
    if (visible == visible_) return;
    NOTIFYICONDATAA data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    // Without a shell (a bare session) adding fails; the window then only shows by its chord.
    visible_ = Shell_NotifyIconA(visible ? NIM_ADD : NIM_DELETE, &data) ? visible : false;
}

void TrayIcon::TaskbarCreated() {
    if (!wanted_) return;
    NOTIFYICONDATAA data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    visible_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

void TrayIcon::SetIcon(HICON icon) {
    icon_ = icon;
    if (!visible_) return;
    NOTIFYICONDATAA data = Data(NIF_ICON);
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

}  // namespace qx
