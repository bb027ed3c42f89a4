#include "platform/win32/Win32Api.h"

#include <string>
#include <vector>

#include "app/MainForm.h"
#include "app/win32/MainWindow.h"
#include "platform/win32/UniqueHandle.h"

namespace {

// Held from the look for a running instance until this one's window can be found, so that two
// instances started together never both miss each other. One per user session.
constexpr char kStartupMutexName[] = "Local\\Quillox single instance";
// Window creation takes well under a second; an instance that holds the mutex longer hangs.
constexpr DWORD kStartupMutexWaitMs = 30000;
// A first instance that does not answer in this time is left alone.
constexpr UINT kRestoreTimeoutMs = 5000;

// Owns the start-up mutex while it holds it.
class StartupLock {
public:
    StartupLock() : mutex_(CreateMutexA(nullptr, FALSE, kStartupMutexName)) {
        // Without a mutex (the name taken by another kind of object) the start goes unguarded.
        if (!mutex_) return;
        // An instance that ended while holding it leaves it abandoned, which hands it over too.
        const DWORD result = WaitForSingleObject(mutex_.get(), kStartupMutexWaitMs);
        held_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
        timedOut_ = result == WAIT_TIMEOUT;
    }
    ~StartupLock() { Release(); }
    StartupLock(const StartupLock&) = delete;
    StartupLock& operator=(const StartupLock&) = delete;

    bool timedOut() const { return timedOut_; }
    void Release() {
        if (held_) ReleaseMutex(mutex_.get());
        held_ = false;
    }

private:
    qx::UniqueKernelHandle mutex_;
    bool held_ = false;
    bool timedOut_ = false;
};

// One instance per session: a running or starting instance is asked to show itself instead.
bool RestoreRunningInstance() {
    HWND running = FindWindowA(qx::kWindowClassName, qx::kCaptionRunning);
    if (!running) running = FindWindowA(qx::kWindowClassName, qx::kCaptionLaunching);
    if (!running) return false;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(running, WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_ABORTIFHUNG, kRestoreTimeoutMs, &result);
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
    StartupLock startupLock;
    // Another instance is stuck in its start: running beside it would be worse.
    if (startupLock.timedOut()) return 1;
    if (RestoreRunningInstance()) return 0;

    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i]);

    qx::MainWindow window(instance);
    // The module path rather than the first command-line word: that may be relative.
    if (!window.Create(ModulePath(), arguments)) return 1;
    window.SetCaption(qx::kCaptionLaunching);
    startupLock.Release();
    return window.Run();
}
