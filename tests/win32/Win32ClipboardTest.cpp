#include "platform/win32/Win32Clipboard.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace qx {
namespace {

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
        // Another thread holds the clipboard open, as a busy program would, for three times the retries.
        std::atomic<int> opened{-1};
        std::jthread holder([&opened] {
            UniqueHwnd window(::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                                ::GetModuleHandleA(nullptr), nullptr));
            opened = ::OpenClipboard(window.get()) != FALSE;
            if (!opened) return;
            ::Sleep(Win32Clipboard::kOpenAttempts * Win32Clipboard::kRetryPauseMs * 3);
            ::CloseClipboard();
        });
        while (opened < 0) ::Sleep(1);
        ASSERT_EQ(opened, 1);
        std::string read;
        EXPECT_FALSE(clipboard.GetText(read));
        EXPECT_FALSE(clipboard.SetText("lost").ok());
    }
    std::string read;
    ASSERT_TRUE(clipboard.GetText(read));
    EXPECT_EQ(read, "kept");
}

}  // namespace
}  // namespace qx
