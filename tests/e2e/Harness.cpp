#include "e2e/Harness.h"

#include <set>

namespace qx::test {

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
    for (AppProcess& process : processes_) {
        process.Kill();
    }
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

size_t QuilloxE2eTest::MainWindowCount() {
    return TopWindowsOfClass(kMainWindowClass).size();
}

void QuilloxE2eTest::KillAllQuillox() {
    std::set<DWORD> killed;
    WaitUntil([&] {
        const auto windows = TopWindowsOfClass(kMainWindowClass);
        for (HWND window : windows) {
            const DWORD pid = WindowProcessId(window);
            if (pid != 0 && pid != GetCurrentProcessId() && killed.insert(pid).second) {
                KillProcessById(pid);
            }
        }
        return windows.empty();
    });
}

}  // namespace qx::test
