#pragma once
#include <cstdint>
#include <string>

namespace qx {

// Starts a process under another account with that account's profile.
class ILogonProcessStarter {
public:
    virtual ~ILogonProcessStarter() = default;

    // Runs the command line as the user, on the local machine, with no current folder of its
    // own. application: the program's full path, or empty to take the program from the start of
    // the command line. Returns the system error code, 0 on success.
    virtual std::uint32_t StartAsUser(const std::wstring& user, const std::wstring& password,
                                      const std::wstring& application, const std::wstring& commandLine) = 0;
    // The Windows system folder, without a trailing backslash.
    virtual std::wstring SystemFolder() const = 0;
};

}  // namespace qx
