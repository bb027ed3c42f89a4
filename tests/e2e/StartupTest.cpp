#include <filesystem>

#include "e2e/Harness.h"

namespace qx {
namespace {

using namespace qx::test;
constexpr UINT kTrayIconId = 1;

class StartupTest : public QuilloxE2eTest {};

TEST_F(StartupTest, FreshStart_CreatesDataFolderAndEmptyOldOrders_NextStartIsNoFirstLaunch) {
    ASSERT_FALSE(std::filesystem::is_directory(Folder().DataFolder()));

    AppProcess& first = StartQuillox();
    ASSERT_NE(WaitForRunningWindow(first), nullptr);
    EXPECT_TRUE(std::filesystem::is_directory(Folder().DataFolder()));
    EXPECT_EQ(FileSize(Folder().DataFile("OldOrders.txt")), 0);
    first.Kill();

    AppProcess& second = StartQuillox();
    ASSERT_NE(WaitForRunningWindow(second), nullptr);
    EXPECT_EQ(FileSize(Folder().DataFile("OldOrders.txt")), 0);

    // No first-launch question on a later start.
    const HWND question = WaitForMessageBox(second.Pid(), kQuietPeriod);
    EXPECT_FALSE(question && MessageBoxText(question).starts_with(kFirstLaunchQuestionStart))
        << "the first-launch question was asked again";
    EXPECT_TRUE(second.IsRunning());
}

TEST_F(StartupTest, InstancesStartedTogether_OnlyOneRuns) {
    MarkAsLaunchedBefore();
    for (int round = 0; round < 5; ++round) {
        SCOPED_TRACE("round " + std::to_string(round + 1));
        AppProcess& first = StartQuillox();
        AppProcess& second = StartQuillox();
        ASSERT_TRUE(WaitUntil([&] { return !first.IsRunning() || !second.IsRunning() || MainWindowCount() > 1; },
                              kStartupTimeout));
        ASSERT_NE(WaitForRunningWindow(first.IsRunning() ? first : second), nullptr);
        EXPECT_FALSE(first.IsRunning() && second.IsRunning()) << "both instances run";
        EXPECT_EQ(MainWindowCount(), 1u);
        KillAllQuillox();
    }
}

TEST_F(StartupTest, SecondInstance_EndsEvenWhenTheFirstHangs) {
    MarkAsLaunchedBefore();
    // A window of the program's class and running caption whose thread (this one, waiting for
    // the second instance) answers no messages: a first instance that has just begun to hang, so
    // the system does not yet take it for hung and only a time limit ends the wait for it.
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kMainWindowClass;
    RegisterClassA(&windowClass);
    const UniqueHwnd hung(CreateWindowExA(0, kMainWindowClass, kRunningCaption, WS_POPUP, 0, 0, 10, 10, nullptr,
                                          nullptr, windowClass.hInstance, nullptr));
    ASSERT_TRUE(hung);
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    AppProcess& second = StartQuillox();
    EXPECT_TRUE(second.WaitForExit(kStartupTimeout).has_value()) << "the second instance waits for the hung first";
}

TEST_F(StartupTest, TrayIcon_ComesBackWhenTheTaskBarRestarts) {
    HWND window = StartHidden();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return TrayIconExists(window, kTrayIconId); })) << "no tray icon while hidden";
    // A task bar that restarts has lost every icon, and says so to every window.
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    ASSERT_TRUE(RemoveTrayIcon(window, kTrayIconId));
    ASSERT_TRUE(SendWithin(window, taskbarCreated, 0).has_value());
    EXPECT_TRUE(TrayIconExists(window, kTrayIconId));

    // A shown window has no icon to bring back.
    ASSERT_TRUE(SendRestore(window));
    ASSERT_TRUE(WaitUntil([&] { return IsShownOnScreen(window); }));
    ASSERT_TRUE(SendWithin(window, taskbarCreated, 0).has_value());
    EXPECT_FALSE(TrayIconExists(window, kTrayIconId));
}

// A plain start ends hidden; the show argument counts only as the first one (and only in lower
// case, see the unit tests). The second instance comes from another folder: the one-instance
// check is for the session, not the folder.
TEST_F(StartupTest, SecondInstance_RestoresTheFirstCentredAndEnds) {
    HWND window = StartHidden("-other -showonstartup");
    ASSERT_NE(window, nullptr);
    AppProcess& first = Started();
    EXPECT_FALSE(WaitUntil([&] { return IsShownOnScreen(window); }, kQuietPeriod));

    TestFolder otherFolder;
    ASSERT_TRUE(otherFolder.InstallProgram(QuilloxUnderTest()));
    AppProcess second;
    ASSERT_TRUE(second.Start(otherFolder.ExePath(), "", otherFolder.Path()));
    EXPECT_TRUE(second.WaitForExit(kStartupTimeout).has_value()) << "the second instance kept running";

    EXPECT_TRUE(WaitUntil([&] { return IsShownOnScreen(window); })) << "the first instance was not restored";
    EXPECT_TRUE(IsCentredOnWorkArea(window));
    EXPECT_TRUE(first.IsRunning());
    EXPECT_EQ(MainWindowCount(), 1u);
    // The one-instance check comes before any window or data folder is made.
    EXPECT_FALSE(std::filesystem::is_directory(otherFolder.DataFolder()));
}

}  // namespace
}  // namespace qx
