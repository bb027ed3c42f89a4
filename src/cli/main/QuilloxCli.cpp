// quillox-cli: searches, lists and checks a Quillox data folder without changing it.
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "platform/StdFileSystem.h"

#if defined(_WIN32)
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32SystemInfo.h"
#endif

namespace {

#if defined(_WIN32)
// Beside the executable, where the program keeps it.
std::string DefaultDataFolder() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of("\\/") + 1) + "Quillox-Data\\";
}

int RunningWindowsVersion() { return qx::Win32SystemInfo().WindowsVersionNumber(); }
#else
// Elsewhere there is no program beside which it could live: the working folder's one.
std::string DefaultDataFolder() { return "Quillox-Data\\"; }
int RunningWindowsVersion() { return 601; }
#endif

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const qx::CliDefaults defaults{DefaultDataFolder(), RunningWindowsVersion()};
    const qx::StdFileSystem files;
    return qx::RunQuilloxCli(args, files, defaults, std::cout, std::cerr);
}
