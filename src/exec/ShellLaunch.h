#pragma once
#include <string>
#include <string_view>

namespace qx {

class IShellLauncher;

// The marker in an entry's parameters that runs the program in a console which waits for a key.
inline constexpr std::string_view kKeepConsoleMarker = "$kpause";

struct ShellCommand {
    std::string file;
    std::string parameters;
};

// Without the marker the command is returned unchanged. With it, its first occurrence is
// removed and the program (quoted) runs through "cmd /k" followed by "&& pause && exit", all
// quoted once more.
ShellCommand RewriteKeepConsole(std::string file, std::string parameters);

// One launch of a file by the worker: as another user when one is named (the working folder
// is then not used), otherwise through the shell. An empty file is reported as not found
// without asking the shell. Returns the code for the launch report.
int ShellLaunch(IShellLauncher& launcher, const std::string& file, const std::string& parameters,
                const std::string& workingFolder, const std::wstring& user, const std::wstring& password);

}  // namespace qx
