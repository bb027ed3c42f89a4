#pragma once
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "e2e/FileBytes.h"
#include "e2e/KeyboardInput.h"
#include "e2e/WindowProbe.h"
#include "platform/win32/UniqueHandle.h"

namespace qx::test {

// One started program. The destructor kills it if it still runs, so a failing test never
// leaves a process behind that would take the single-instance role in the next case.
class AppProcess {
public:
    AppProcess() = default;
    ~AppProcess() { Kill(); }
    AppProcess(AppProcess&&) noexcept = default;

    // Starts exePath with the given argument text (already quoted as needed), in workingFolder.
    bool Start(const std::string& exePath, const std::string& arguments, const std::string& workingFolder);

    DWORD Pid() const { return pid_; }
    HANDLE Handle() const { return process_.get(); }
    bool IsRunning() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
    // The exit code once it has ended within the timeout; nothing while it still runs.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout) const;
    // Ends it at once (no clean-up in the program) and waits until it is gone.
    void Kill();

private:
    UniqueKernelHandle process_;
    DWORD pid_ = 0;
};

inline constexpr char kMainWindowClass[] = "TQxForm1";
inline constexpr char kRunningCaption[] = "Quillox Application Launcher";
inline constexpr char kCloseQuestion[] =
    "M\xF6" "chten sie Quillox wirklich beenden?\rM\xF6glicherweise laufende Dateioperationen "
    "werden dabei abgebrochen.";
inline constexpr char kFirstLaunchQuestionStart[] = "Quillox wurde zum ersten mal gestartet.";

// Start-up with a large data file under Wine can take a while; this is only an upper bound.
constexpr milliseconds kStartupTimeout{30000};

// The program under test: Quillox.exe beside this test program.
std::string QuilloxUnderTest();

// Base of every end-to-end case: a fresh program folder with Quillox.exe, and at teardown
// no Quillox process and no Quillox window left, whatever the case did.
class QuilloxE2eTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TestFolder& Folder() { return *folder_; }

    // Makes the next start no first launch (the data folder holds OldOrders.txt).
    void MarkAsLaunchedBefore();
    // Starts Quillox.exe of the test folder with the given arguments; fails the test when
    // it cannot be started. The process is killed at teardown if still running.
    AppProcess& StartQuillox(const std::string& arguments = "");
    // The process the last StartQuillox started.
    AppProcess& Started() { return processes_.back(); }
    // Waits for the window of a finished start-up; null (and a failure) on time-out.
    HWND WaitForRunningWindow(const AppProcess& process, milliseconds timeout = kStartupTimeout);
    // Starts a Quillox past its first launch and waits until its window is up and hidden; null
    // (and a failure) when it is not.
    HWND StartHidden(const std::string& arguments = "");
    // The number of Quillox main windows in the session.
    static size_t MainWindowCount();
    // Ends every Quillox in the session and waits until no main window is left.
    static void KillAllQuillox();

private:
    std::unique_ptr<TestFolder> folder_;
    std::deque<AppProcess> processes_;
};

}  // namespace qx::test
