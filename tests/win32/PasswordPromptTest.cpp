#include "exec/win32/PasswordPrompt.h"

#include <gtest/gtest.h>

#include <thread>

#include "exec/PasswordPromptLayout.h"

namespace qx {
namespace {

constexpr const char* kCaption = "Quillox password prompt test";

struct SeenPrompt {
    bool found = false;
    std::string label, okText, cancelText;
    bool passwordStyle = false;
    wchar_t passwordChar = 0;
    bool okIsDefault = false;
    RECT client{}, field{}, ok{}, cancel{}, labelRect{};
};

RECT ChildRect(HWND dialog, HWND child) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string Text(HWND window) {
    char text[256] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

// Finds the prompt from another thread, records it, types the password and presses the button.
class PromptAnswerer {
public:
    PromptAnswerer(const wchar_t* typed, int button)
        : thread_([this, typed, button] {
              for (int tries = 0; tries < 500 && !seen_.found; ++tries) {
                  HWND dialog = ::FindWindowA(nullptr, kCaption);
                  if (!dialog || !::IsWindowVisible(dialog)) {
                      ::Sleep(20);
                      continue;
                  }
                  seen_.found = true;
                  HWND field = ::FindWindowExA(dialog, nullptr, "Edit", nullptr);
                  HWND ok = ::GetDlgItem(dialog, IDOK);
                  HWND cancel = ::GetDlgItem(dialog, IDCANCEL);
                  HWND label = ::FindWindowExA(dialog, nullptr, "Static", nullptr);
                  seen_.label = Text(label);
                  seen_.okText = Text(ok);
                  seen_.cancelText = Text(cancel);
                  seen_.passwordStyle = (::GetWindowLongA(field, GWL_STYLE) & ES_PASSWORD) != 0;
                  seen_.passwordChar = static_cast<wchar_t>(::SendMessageW(field, EM_GETPASSWORDCHAR, 0, 0));
                  seen_.okIsDefault = (::GetWindowLongA(ok, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
                  ::GetClientRect(dialog, &seen_.client);
                  seen_.field = ChildRect(dialog, field);
                  seen_.ok = ChildRect(dialog, ok);
                  seen_.cancel = ChildRect(dialog, cancel);
                  seen_.labelRect = ChildRect(dialog, label);
                  ::SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed));
                  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
              }
          }) {}
    ~PromptAnswerer() { Join(); }
    void Join() {
        if (thread_.joinable()) thread_.join();
    }
    const SeenPrompt& seen() {
        Join();
        return seen_;
    }

private:
    SeenPrompt seen_;
    std::thread thread_;
};

TEST(PasswordPromptTest, OkReturnsTheTypedPasswordShownAsStars) {
    PromptAnswerer answerer(L"geheim \x00E4\x20AC", IDOK);
    const auto password = PromptPassword(nullptr, kCaption, "Passwort f\xFCr Benutzer admin");
    const SeenPrompt& seen = answerer.seen();
    ASSERT_TRUE(seen.found);
    ASSERT_TRUE(password.has_value());
    EXPECT_EQ(password->Text(), L"geheim \x00E4\x20AC");
    EXPECT_EQ(seen.label, "Passwort f\xFCr Benutzer admin");
    EXPECT_EQ(seen.okText, "OK");
    EXPECT_EQ(seen.cancelText, "Abbrechen");
    EXPECT_TRUE(seen.passwordStyle);
    EXPECT_EQ(seen.passwordChar, L'*');
    EXPECT_TRUE(seen.okIsDefault);
    // The arrangement: field under the label, buttons side by side under the field, equal sizes.
    EXPECT_EQ(seen.field.top, seen.labelRect.bottom + 5);
    EXPECT_EQ(seen.field.left, seen.labelRect.left);
    EXPECT_EQ(seen.ok.top, seen.field.bottom + 15);
    EXPECT_EQ(seen.cancel.top, seen.ok.top);
    EXPECT_EQ(seen.cancel.right - seen.cancel.left, seen.ok.right - seen.ok.left);
    EXPECT_LT(seen.ok.right, seen.cancel.left);
    EXPECT_EQ(seen.client.bottom, seen.ok.bottom + 13);
    EXPECT_GT(seen.client.right, seen.field.right);
}

TEST(PasswordPromptTest, CancelReturnsNothing) {
    PromptAnswerer answerer(L"typed but cancelled", IDCANCEL);
    const auto password = PromptPassword(nullptr, kCaption, "Password for user admin");
    ASSERT_TRUE(answerer.seen().found);
    EXPECT_FALSE(password.has_value());
}

}  // namespace
}  // namespace qx
