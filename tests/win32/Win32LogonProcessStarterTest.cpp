#include "platform/win32/Win32LogonProcessStarter.h"

#include <gtest/gtest.h>

#include "exec/RunAsUser.h"

namespace qx {
namespace {

TEST(Win32LogonProcessStarterTest, UnknownUserGivesTheSystemErrorCodeAndWipesThePassword) {
    Win32LogonProcessStarter starter;
    std::wstring password = L"wrong";
    const std::uint32_t code = RunAsUserLaunch(starter, L"QuilloxNoSuchUser", password,
                                               L"C:\\QuilloxNoSuchFolder\\missing.exe", L"two words");
    EXPECT_NE(code, 0u);
    EXPECT_TRUE(password.empty());
}

}  // namespace
}  // namespace qx
