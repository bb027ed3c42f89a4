#include "exec/ShellLaunch.h"

#include "platform/ShellLauncher.h"

namespace qx {

ShellCommand RewriteKeepConsole(std::string file, std::string parameters) {
    const std::size_t at = parameters.find(kKeepConsoleMarker);
    if (at == std::string::npos) return {std::move(file), std::move(parameters)};
    parameters.erase(at, kKeepConsoleMarker.size());
    // cmd drops the first and the last quote of a line with more than two, so the program keeps
    // its own: cmd /k ""C:\Program Files\x.exe" args && pause && exit".
    return {"cmd", "/k \"\"" + file + "\" " + parameters + " && pause && exit\""};
}

int ShellLaunch(IShellLauncher& launcher, const std::string& file, const std::string& parameters,
                const std::string& workingFolder, const std::wstring& user, const std::wstring& password) {
    if (!user.empty()) return launcher.RunAsUser(user, password, file, parameters);
    const ShellCommand command = RewriteKeepConsole(file, parameters);
    if (command.file.empty()) return 2;
    return launcher.ShellExecuteFile(command.file, command.parameters, workingFolder);
}

}  // namespace qx
