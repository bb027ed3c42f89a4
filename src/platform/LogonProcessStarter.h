#pragma once
#include <cstdint>
#include <string>

namespace qx {

// Starts a process under another account with that account's profile.
class ILogonProcessStarter {
public:
    virtual ~ILogonProcessStarter() = default;

    // Runs the command line (program, then arguments) as the user, on the local machine,
    // with no current folder of its own; returns the system error code, 0 on success.
    virtual std::uint32_t StartAsUser(const std::wstring& user, const std::wstring& password,
                                      const std::wstring& commandLine) = 0;
};

}  // namespace qx
