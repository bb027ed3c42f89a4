#pragma once
#include "platform/win32/Win32Api.h"

#include "platform/LogonProcessStarter.h"

namespace qx {

// CreateProcessWithLogonW with the user's profile, shown normally.
class Win32LogonProcessStarter : public ILogonProcessStarter {
public:
    // The logon call; tests put one in that records what it is given.
    using LogonFunction = BOOL(WINAPI*)(LPCWSTR user, LPCWSTR domain, LPCWSTR password, DWORD logonFlags,
                                        LPCWSTR application, LPWSTR commandLine, DWORD creationFlags,
                                        LPVOID environment, LPCWSTR currentFolder, LPSTARTUPINFOW startup,
                                        LPPROCESS_INFORMATION process);

    explicit Win32LogonProcessStarter(LogonFunction logon = &::CreateProcessWithLogonW) : logon_(logon) {}

    std::uint32_t StartAsUser(const std::wstring& user, const std::wstring& password, const std::wstring& application,
                              const std::wstring& commandLine) override;
    std::wstring SystemFolder() const override;

private:
    LogonFunction logon_;
};

}  // namespace qx
