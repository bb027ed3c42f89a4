#include "platform/win32/Win32LogonProcessStarter.h"

#include <vector>

#include "platform/win32/UniqueHandle.h"

namespace qx {

std::uint32_t Win32LogonProcessStarter::StartAsUser(const std::wstring& user, const std::wstring& password,
                                                    const std::wstring& application,
                                                    const std::wstring& commandLine) {
    ::SetLastError(0);
    // The call may write into the command line, so it gets a copy of its own.
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    const BOOL started = logon_(user.c_str(), nullptr, password.c_str(), LOGON_WITH_PROFILE,
                                application.empty() ? nullptr : application.c_str(), line.data(),
                                CREATE_DEFAULT_ERROR_MODE, nullptr, nullptr, &startup, &process);
    if (!started) {
        // A failure must never read as success; stub implementations fail without an error code.
        const DWORD error = ::GetLastError();
        return error != 0 ? error : ERROR_CALL_NOT_IMPLEMENTED;
    }
    // The program does not follow the process; its handles are closed at once.
    UniqueKernelHandle processHandle(process.hProcess);
    UniqueKernelHandle threadHandle(process.hThread);
    return 0;
}

std::wstring Win32LogonProcessStarter::SystemFolder() const {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder, length) : std::wstring(L"C:\\Windows\\System32");
}

}  // namespace qx
