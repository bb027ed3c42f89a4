#include "platform/win32/Win32LogonProcessStarter.h"

#include <gtest/gtest.h>

#include "exec/RunAsUser.h"

namespace qx {
namespace {

// What the logon call was last given; "(none)" for no application name.
std::wstring lastApplication, lastCommandLine;

BOOL WINAPI RecordLogon(LPCWSTR, LPCWSTR, LPCWSTR, DWORD, LPCWSTR application, LPWSTR commandLine, DWORD, LPVOID,
                        LPCWSTR, LPSTARTUPINFOW, LPPROCESS_INFORMATION) {
    lastApplication = application ? application : L"(none)";
    lastCommandLine = commandLine;
    ::SetLastError(ERROR_LOGON_FAILURE);
    return FALSE;
}

TEST(Win32LogonProcessStarterTest, TheProgramGoesAsApplicationNameAndQuotedAtTheStartOfTheLine) {
    Win32LogonProcessStarter starter(&RecordLogon);
    EXPECT_EQ(RunAsUserLaunch(starter, L"admin", L"pw", L"C:\\Program Files\\Tool\\tool.exe", L"-a b"),
              static_cast<std::uint32_t>(ERROR_LOGON_FAILURE));
    EXPECT_EQ(lastApplication, L"C:\\Program Files\\Tool\\tool.exe");
    EXPECT_EQ(lastCommandLine, L"\"C:\\Program Files\\Tool\\tool.exe\" \"-a b\"");

    wchar_t system[MAX_PATH] = {};
    ASSERT_GT(::GetSystemDirectoryW(system, MAX_PATH), 0u);
    (void)RunAsUserLaunch(starter, L"admin", L"pw", L"C:\\Admin Tools\\disk.msc", L"");
    EXPECT_EQ(lastApplication, std::wstring(system) + L"\\mmc.exe");
    EXPECT_EQ(lastCommandLine, L"\"" + std::wstring(system) + L"\\mmc.exe\" \"C:\\Admin Tools\\disk.msc\"");

    (void)RunAsUserLaunch(starter, L"admin", L"pw", L"notepad", L"");
    EXPECT_EQ(lastApplication, L"(none)");
    EXPECT_EQ(lastCommandLine, L"\"notepad\"");
}

}  // namespace
}  // namespace qx
