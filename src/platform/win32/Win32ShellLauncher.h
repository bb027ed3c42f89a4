#pragma once
#include <functional>
#include <string>

#include "platform/ShellLauncher.h"

namespace qx {

// The logon launch under another account: the system error code, 0 on success.
using RunAsUserFunction = std::function<int(const std::wstring& user, const std::wstring& password,
                                            const std::string& fileName, const std::string& parameters)>;

// The shell calls of the launch workers. Each call initialises COM for its thread (workers
// are fresh threads; on the window's thread the existing apartment is kept), so the object
// holds nothing but the logon function and can be shared by every worker.
class Win32ShellLauncher : public IShellLauncher {
public:
    // Error returned by RunAsUser when no logon function was given.
    static constexpr int kNoLogon = 120;  // ERROR_CALL_NOT_IMPLEMENTED

    explicit Win32ShellLauncher(RunAsUserFunction runAsUser = {});

    int ShellExecuteFile(const std::string& file, const std::string& parameters,
                     const std::string& workingFolder) override;
    int ExecuteIdList(const std::string& idListBytes) override;
    int ExecuteShellItem(const std::string& idListBytes, const std::string& verb) override;
    int ShellExecuteVerb(const std::string& verb, const std::string& file) override;
    int RunAsUser(const std::wstring& user, const std::wstring& password, const std::string& fileName,
                  const std::string& parameters) override;
    std::string SystemText(int code) override;

private:
    RunAsUserFunction runAsUser_;
};

}  // namespace qx
