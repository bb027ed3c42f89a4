#pragma once
#include <string>

namespace qx {

// The shell and process calls a launch worker makes. Every method but ExecuteShellItem for a
// folder runs on a worker thread, so implementations keep no per-call state in the object.
class IShellLauncher {
public:
    virtual ~IShellLauncher() = default;

    // ShellExecute: opens the file, folder, program or address with its default verb, shown
    // normally. The shell's own code: above 32 is success, 0..32 its error numbers (2 file not
    // found). Not named ShellExecute, which <shellapi.h> makes a macro.
    virtual int ShellExecuteFile(const std::string& file, const std::string& parameters,
                             const std::string& workingFolder) = 0;
    // Invokes the default verb of a binary shell item ID list. Always 0: the shell's verdict is
    // not reported for these.
    virtual int ExecuteIdList(const std::string& idListBytes) = 0;
    // Invokes the verb ("" default, "open", "find") on an item of the folder view, given as the
    // bytes of its absolute ID list (the desktop's empty list included). 1 when the shell
    // accepted it, else 0 (also for bytes that are no whole ID list); neither is reported as a
    // failure.
    virtual int ExecuteShellItem(const std::string& idListBytes, const std::string& verb) = 0;
    // ShellExecute with a verb ("find") on a path, shown normally; the shell's code as for
    // ShellExecuteFile.
    virtual int ShellExecuteVerb(const std::string& verb, const std::string& file) = 0;
    // Starts the file under another account; the system error code, 0 on success.
    virtual int RunAsUser(const std::wstring& user, const std::wstring& password, const std::string& fileName,
                          const std::string& parameters) = 0;
    // The system's message for an error code without trailing blanks, control characters or
    // full stops; empty for codes the system does not know.
    virtual std::string SystemText(int code) = 0;
};

}  // namespace qx
