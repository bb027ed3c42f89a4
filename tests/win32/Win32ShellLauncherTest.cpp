#include "platform/win32/Win32ShellLauncher.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Win32Api.h"

namespace qx {
namespace {

TEST(Win32ShellLauncher, MissingFileIsCodeTwoWhoseTextHasNoTrailingStopOrLineBreak) {
    Win32ShellLauncher shell;
    EXPECT_EQ(shell.ShellExecuteFile("Z:\\quillox-no-such-folder\\missing.exe", "-x", ""), 2);
    const std::string text = shell.SystemText(2);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '.');
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(shell.SystemText(0x7FFFFF0), "");  // unknown to the system
}

}  // namespace
}  // namespace qx
