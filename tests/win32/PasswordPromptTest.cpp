#include "exec/win32/PasswordPrompt.h"

#include <gtest/gtest.h>

#include "win32/DialogAnswerer.h"

namespace qx {
namespace {

constexpr const char* kCaption = "Quillox password prompt test";

RECT ChildRect(HWND dialog, HWND child) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST(PasswordPromptTest, OkReturnsTheTypedPasswordShownAsStars) {
    std::string label, ok, cancel;
    bool passwordStyle = false, okIsDefault = false;
    wchar_t passwordChar = 0;
    RECT client{}, fieldRect{}, okRect{}, cancelRect{}, labelRect{};
    test::DialogAnswerer answerer(nullptr, kCaption, IDOK, [&](HWND dialog) {
        HWND field = ::FindWindowExA(dialog, nullptr, "Edit", nullptr);
        HWND labelWindow = ::FindWindowExA(dialog, nullptr, "Static", nullptr);
        label = test::WindowText(labelWindow);
        ok = test::WindowText(::GetDlgItem(dialog, IDOK));
        cancel = test::WindowText(::GetDlgItem(dialog, IDCANCEL));
        passwordStyle = (::GetWindowLongA(field, GWL_STYLE) & ES_PASSWORD) != 0;
        passwordChar = static_cast<wchar_t>(::SendMessageW(field, EM_GETPASSWORDCHAR, 0, 0));
        okIsDefault = (::GetWindowLongA(::GetDlgItem(dialog, IDOK), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
        ::GetClientRect(dialog, &client);
        fieldRect = ChildRect(dialog, field);
        okRect = ChildRect(dialog, ::GetDlgItem(dialog, IDOK));
        cancelRect = ChildRect(dialog, ::GetDlgItem(dialog, IDCANCEL));
        labelRect = ChildRect(dialog, labelWindow);
        ::SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"geheim \x00E4\x20AC"));
    });
    const auto password = PromptPassword(nullptr, kCaption, "Passwort f\xFCr Benutzer admin");
    ASSERT_TRUE(answerer.Found());
    ASSERT_TRUE(password.has_value());
    EXPECT_EQ(password->Text(), L"geheim \x00E4\x20AC");
    EXPECT_EQ(label, "Passwort f\xFCr Benutzer admin");
    EXPECT_EQ(ok + "|" + cancel, "OK|Abbrechen");
    EXPECT_TRUE(passwordStyle && okIsDefault);
    EXPECT_EQ(passwordChar, L'*');
    // The arrangement: field under the label, buttons side by side under the field, equal sizes.
    EXPECT_EQ(fieldRect.top, labelRect.bottom + 5);
    EXPECT_EQ(fieldRect.left, labelRect.left);
    EXPECT_EQ(okRect.top, fieldRect.bottom + 15);
    EXPECT_EQ(cancelRect.top, okRect.top);
    EXPECT_EQ(cancelRect.right - cancelRect.left, okRect.right - okRect.left);
    EXPECT_LT(okRect.right, cancelRect.left);
    EXPECT_EQ(client.bottom, okRect.bottom + 13);
    EXPECT_GT(client.right, fieldRect.right);
}

TEST(PasswordPromptTest, CancelReturnsNothing) {
    test::DialogAnswerer answerer(nullptr, kCaption, IDCANCEL, [](HWND dialog) {
        ::SetWindowTextA(::FindWindowExA(dialog, nullptr, "Edit", nullptr), "typed but cancelled");
    });
    const auto password = PromptPassword(nullptr, kCaption, "Password for user admin");
    ASSERT_TRUE(answerer.Found());
    EXPECT_FALSE(password.has_value());
}

}  // namespace
}  // namespace qx
