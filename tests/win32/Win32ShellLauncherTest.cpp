#include "platform/win32/Win32ShellLauncher.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Win32Api.h"

namespace qx {
namespace {

const std::string kMissing = "Z:\\quillox-no-such-folder\\missing.exe";

TEST(Win32ShellLauncher, MissingFileIsCodeTwoWhoseTextHasNoTrailingStopOrLineBreak) {
    Win32ShellLauncher shell;
    EXPECT_EQ(shell.ShellExecuteFile(kMissing, "-x", ""), 2);
    const std::string text = shell.SystemText(2);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '.');
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(shell.SystemText(0x7FFFFF0), "");  // unknown to the system
}

TEST(Win32ShellLauncher, LogonGoesThroughTheGivenFunction) {
    EXPECT_EQ(Win32ShellLauncher().RunAsUser(L"u", L"p", "a.exe", ""), Win32ShellLauncher::kNoLogon);
    std::string seen;
    Win32ShellLauncher shell([&](const std::wstring& user, const std::wstring&, const std::string& file,
                                 const std::string& parameters) {
        seen = std::string(user.begin(), user.end()) + "|" + file + "|" + parameters;
        return 1326;
    });
    EXPECT_EQ(shell.RunAsUser(L"admin", L"pw", "C:\\a.msc", "x y"), 1326);
    EXPECT_EQ(seen, "admin|C:\\a.msc|x y");
}

}  // namespace
}  // namespace qx
