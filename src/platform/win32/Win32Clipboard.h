#pragma once
#include "platform/Clipboard.h"
#include "platform/win32/UniqueHandle.h"

namespace qx {

// The system clipboard through CF_TEXT. Owns a message-only window as the clipboard owner
// (SetClipboardData fails for a clipboard opened without one). Another program may hold the
// clipboard open for a moment, so opening is retried briefly before giving up.
class Win32Clipboard : public IClipboard {
public:
    static constexpr int kOpenAttempts = 10;
    static constexpr DWORD kRetryPauseMs = 20;

    Win32Clipboard();

    bool GetText(std::string& text) override;
    Status SetText(const std::string& text) override;

private:
    UniqueHwnd owner_;
};

}  // namespace qx
