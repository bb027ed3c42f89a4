#include "platform/win32/Win32Api.h"

#include <string>
#include <vector>

#include "app/MainForm.h"
#include "app/win32/MainWindow.h"

namespace {

// One instance per session: a running or starting instance is asked to show itself instead.
bool RestoreRunningInstance() {
    HWND running = FindWindowA(qx::kWindowClassName, qx::kCaptionRunning);
    if (!running) running = FindWindowA(qx::kWindowClassName, qx::kCaptionLaunching);
    if (!running) return false;
    SendMessageA(running, WM_SYSCOMMAND, SC_RESTORE, 0);
    return true;
}

std::string ModulePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (RestoreRunningInstance()) return 0;

    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i]);

    qx::MainWindow window(instance);
    // The module path rather than the first command-line word: that may be relative.
    if (!window.Create(ModulePath(), arguments)) return 1;
    window.SetCaption(qx::kCaptionLaunching);
    return window.Run();
}
