#include "e2e/Harness.h"

#include <set>

namespace qx::test {

constexpr DWORD kKillWaitMs = 10000;

bool AppProcess::Start(const std::string& exePath, const std::string& arguments,
                       const std::string& workingFolder) {
    Kill();
    std::string commandLine = "\"" + exePath + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // No handle inheritance: the program must not hold this process's output pipes open.
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    pid_ = info.dwProcessId;
    return true;
}

std::optional<DWORD> AppProcess::WaitForExit(std::chrono::milliseconds timeout) const {
    DWORD code = 0;
    if (!process_ || WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process_.get(), &code)) {
        return std::nullopt;
    }
    return code;
}

void AppProcess::Kill() {
    if (IsRunning()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), kKillWaitMs);
    }
}

std::string QuilloxUnderTest() {
    return ProgramFolderOfThisExe() + "Quillox.exe";
}

void QuilloxE2eTest::SetUp() {
    ASSERT_TRUE(FileExists(QuilloxUnderTest())) << "the program under test is missing: " << QuilloxUnderTest();
    // A Quillox left from elsewhere would take the single-instance role from ours.
    KillAllQuillox();
    folder_ = std::make_unique<TestFolder>();
    ASSERT_TRUE(folder_->Created()) << "cannot create a test folder in the temp folder";
    ASSERT_TRUE(folder_->InstallProgram(QuilloxUnderTest())) << "cannot copy Quillox.exe to " << folder_->Path();
}

void QuilloxE2eTest::TearDown() {
    for (AppProcess& process : processes_) process.Kill();
    processes_.clear();
    KillAllQuillox();
    EXPECT_EQ(MainWindowCount(), 0u) << "a Quillox window outlived its process";
    folder_.reset();
}

void QuilloxE2eTest::MarkAsLaunchedBefore() {
    ASSERT_TRUE(Folder().WriteDataFile("OldOrders.txt", ""));
}

AppProcess& QuilloxE2eTest::StartQuillox(const std::string& arguments) {
    AppProcess& process = processes_.emplace_back();
    EXPECT_TRUE(process.Start(Folder().ExePath(), arguments, Folder().Path()))
        << "cannot start " << Folder().ExePath() << " (error " << GetLastError() << ")";
    return process;
}

HWND QuilloxE2eTest::WaitForRunningWindow(const AppProcess& process, milliseconds timeout) {
    HWND window = nullptr;
    const bool found = WaitUntil(
        [&] {
            window = FindTopWindow(kMainWindowClass, kRunningCaption);
            return (window && WindowProcessId(window) == process.Pid()) || !process.IsRunning();
        },
        timeout);
    if (!found || !window || WindowProcessId(window) != process.Pid()) {
        ADD_FAILURE() << "no window \"" << kRunningCaption << "\" of process " << process.Pid()
                      << (process.IsRunning() ? " (still running)" : " (it has ended)");
        return nullptr;
    }
    return window;
}

HWND QuilloxE2eTest::StartHidden(const std::string& arguments) {
    MarkAsLaunchedBefore();
    HWND window = WaitForRunningWindow(StartQuillox(arguments));
    if (!window || !WaitUntil([&] { return IsParkedOffScreen(window); })) {
        ADD_FAILURE() << "the window did not start hidden";
        return nullptr;
    }
    EXPECT_NE(GetForegroundWindow(), window) << "hidden but in front: typing would go to it unseen";
    return window;
}

size_t QuilloxE2eTest::MainWindowCount() {
    return TopWindowsOfClass(kMainWindowClass).size();
}

void QuilloxE2eTest::KillAllQuillox() {
    std::set<DWORD> killed;
    WaitUntil([&] {
        const auto windows = TopWindowsOfClass(kMainWindowClass);
        for (HWND window : windows) {
            const DWORD pid = WindowProcessId(window);
            if (pid == 0 || pid == GetCurrentProcessId() || !killed.insert(pid).second) continue;
            // A left-over instance that the tests did not start themselves.
            const UniqueKernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
            if (process && TerminateProcess(process.get(), 1)) WaitForSingleObject(process.get(), kKillWaitMs);
        }
        return windows.empty();
    });
}

}  // namespace qx::test
