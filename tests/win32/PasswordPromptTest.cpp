#include "exec/win32/PasswordPrompt.h"

#include <gtest/gtest.h>

#include "win32/DialogAnswerer.h"

namespace qx {
namespace {

constexpr const char* kCaption = "Quillox password prompt test";

TEST(PasswordPromptTest, OkReturnsTheTypedPasswordShownAsStarsAndCancelNothing) {
    std::string label, ok, cancel;
    bool passwordStyle = false, okIsDefault = false;
    wchar_t passwordChar = 0;
    test::DialogAnswerer answerer(nullptr, kCaption, IDOK, [&](HWND dialog) {
        HWND field = ::FindWindowExA(dialog, nullptr, "Edit", nullptr);
        label = test::WindowCaption(::FindWindowExA(dialog, nullptr, "Static", nullptr));
        ok = test::WindowCaption(::GetDlgItem(dialog, IDOK));
        cancel = test::WindowCaption(::GetDlgItem(dialog, IDCANCEL));
        passwordStyle = (::GetWindowLongA(field, GWL_STYLE) & ES_PASSWORD) != 0;
        passwordChar = static_cast<wchar_t>(::SendMessageW(field, EM_GETPASSWORDCHAR, 0, 0));
        okIsDefault = (::GetWindowLongA(::GetDlgItem(dialog, IDOK), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
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

    test::DialogAnswerer canceller(nullptr, kCaption, IDCANCEL, [](HWND dialog) {
        ::SetWindowTextA(::FindWindowExA(dialog, nullptr, "Edit", nullptr), "typed but cancelled");
    });
    EXPECT_FALSE(PromptPassword(nullptr, kCaption, "Password for user admin").has_value());
    EXPECT_TRUE(canceller.Found());
}

}  // namespace
}  // namespace qx
