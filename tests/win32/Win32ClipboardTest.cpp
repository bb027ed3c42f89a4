#include "platform/win32/Win32Clipboard.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace qx {
namespace {

// Holds the clipboard open from another thread, as a busy program would.
class ClipboardHolder {
public:
    explicit ClipboardHolder(DWORD holdMs) {
        thread_ = std::thread([this, holdMs] {
            UniqueHwnd window(::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                                ::GetModuleHandleA(nullptr), nullptr));
            opened_ = ::OpenClipboard(window.get()) != FALSE;
            ready_ = true;
            if (!opened_) return;
            ::Sleep(holdMs);
            ::CloseClipboard();
        });
        while (!ready_) ::Sleep(1);
    }
    ~ClipboardHolder() { thread_.join(); }
    bool opened() const { return opened_; }

private:
    std::atomic<bool> ready_{false};
    std::atomic<bool> opened_{false};
    std::thread thread_;
};

TEST(Win32ClipboardTest, TextAndEmptyTextRoundTripButAnEmptiedClipboardHasNone) {
    Win32Clipboard clipboard;
    const std::string text = "C:\\Daten\\\xC4rger \xFC" "ber \xDF|x\r\nzweite Zeile";
    ASSERT_TRUE(clipboard.SetText(text).ok());
    std::string read;
    ASSERT_TRUE(clipboard.GetText(read));
    EXPECT_EQ(read, text);

    // A second reader sees the same text: the clipboard owns the data, not the writer.
    read.clear();
    ASSERT_TRUE(Win32Clipboard().GetText(read));
    EXPECT_EQ(read, text);

    ASSERT_TRUE(clipboard.SetText("").ok());
    read = "stale";
    ASSERT_TRUE(clipboard.GetText(read));
    EXPECT_EQ(read, "");

    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    read = "stale";
    EXPECT_FALSE(clipboard.GetText(read));
    EXPECT_EQ(read, "stale");
}

TEST(Win32ClipboardTest, GivesUpOnAClipboardThatStaysBusy) {
    Win32Clipboard clipboard;
    ASSERT_TRUE(clipboard.SetText("kept").ok());
    {
        const DWORD retryTime = Win32Clipboard::kOpenAttempts * Win32Clipboard::kRetryPauseMs;
        ClipboardHolder holder(retryTime * 3);
        ASSERT_TRUE(holder.opened());
        std::string read;
        EXPECT_FALSE(clipboard.GetText(read));
        const Status status = clipboard.SetText("lost");
        EXPECT_FALSE(status.ok());
    }
    std::string read;
    ASSERT_TRUE(clipboard.GetText(read));
    EXPECT_EQ(read, "kept");
}

}  // namespace
}  // namespace qx
