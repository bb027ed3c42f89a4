#pragma once
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "platform/win32/UniqueHandle.h"

namespace qx::test {

// One started program. The destructor kills it if it still runs, so a failing test never
// leaves a process behind that would take the single-instance role in the next case.
class AppProcess {
public:
    AppProcess() = default;
    ~AppProcess();
    AppProcess(AppProcess&&) noexcept = default;
    AppProcess& operator=(AppProcess&& other) noexcept;

    // Starts exePath with the given argument text (already quoted as needed), in workingFolder.
    bool Start(const std::string& exePath, const std::string& arguments, const std::string& workingFolder);

    bool Started() const { return static_cast<bool>(process_); }
    DWORD Pid() const { return pid_; }
    HANDLE Handle() const { return process_.get(); }
    bool IsRunning() const;
    // The exit code once it has ended within the timeout; nothing while it still runs.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout) const;
    std::optional<DWORD> ExitCode() const;
    // Ends it at once (no clean-up in the program) and waits until it is gone.
    void Kill();

private:
    UniqueKernelHandle process_;
    DWORD pid_ = 0;
};

// Ends a process that the tests did not start themselves (a left-over instance).
bool KillProcessById(DWORD pid);

}  // namespace qx::test
