#include <fstream>
#include <string>
#include <vector>

#include "e2e/RecorderTest.h"

namespace qx {
namespace {

using namespace qx::test;

constexpr int kRounds = 20;
// A quick user calls the window up again this soon after seeing the launch.
constexpr milliseconds kUserPause{300};

// Wine leaves showing and hiding to the window manager (at once here) when its "Managed"
// setting is "N"; otherwise it manages windows itself, at about 2 s a show or hide.
bool WineManagesWindows() {
    char value[8] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver", "Managed", RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return true;
    return value[0] != 'N' && value[0] != 'n';
}

// One program through many rounds, as a user works with it: call the window up, type, Enter,
// the launch, the window hides, and the next call comes soon after.
class VisibilityCycleTest : public RecorderTest {
protected:
    HWND StartHidden() {
        if (!Folder().WriteDataFile("Files.txt", "Keynote|C:\\k.exe\r\nNote taker|" + recorder_ + "|round\r\n"
                                                 "Paint|mspaint.exe\r\n"))
            return nullptr;
        return QuilloxE2eTest::StartHidden();
    }

    static std::string Describe(HWND window) {
        return std::string(IsShownOnScreen(window) ? "shown" : "not shown") + ", in front: a \"" +
               WindowClassName(GetForegroundWindow()) + "\" window";
    }

    // Shown, in front, and with an empty input line: a call that came before the launch's own
    // hide found the window still showing its last search, which Esc clears.
    static ::testing::AssertionResult ReadyWithEmptyInput(HWND window) {
        if (!WaitUntil([&] { return IsShownOnScreen(window) && ReadyForTyping(window); }))
            return ::testing::AssertionFailure() << Describe(window);
        // Esc while the launch is still being waited for stops the wait; the next one clears.
        for (int press = 0; press < 3 && !InputLineText(window).empty(); ++press) {
            if (!PressKey(VK_ESCAPE)) break;
            WaitUntil([&] { return InputLineText(window).empty(); }, milliseconds(2000));
        }
        if (!InputLineText(window).empty())
            return ::testing::AssertionFailure() << "the input keeps \"" << InputLineText(window) << '"';
        return ::testing::AssertionSuccess();
    }

    // The list follows the typing: "note" finds the recorder entry first (a match at the start
    // before one inside a name), and Enter launches it with its parameters.
    void SearchAndLaunch(HWND window) {
        const size_t launches = LaunchCount();
        ASSERT_TRUE(Search(window, "note", {"Note taker", "Keynote"}));
        ASSERT_TRUE(PressKey(VK_RETURN));
        ASSERT_TRUE(WaitUntil([&] { return LaunchCount() == launches + 1; })) << Launches();
        EXPECT_NE(Launches().find(" round|"), std::string::npos) << Launches();
    }

    // Rounds that call the window up with a chord (every other one, when asked) or as a
    // second instance does; with waitForHide each round first sees the launch hide the
    // window, else the call may come while the hide is still under way.
    void RunCycle(bool chords, bool waitForHide) {
        // The program's home, and with it its temporary links folder, lies in the test folder.
        const std::string home = Folder().Path();
        SetEnvironmentVariableA("HOMEDRIVE", home.substr(0, 2).c_str());
        SetEnvironmentVariableA("HOMEPATH", home.substr(2, home.size() - 3).c_str());
        const std::string links = home + "QuilloxTmpLinks\\";
        HWND window = StartHidden();
        ASSERT_NE(window, nullptr);
        ULONGLONG launchSeen = 0;
        for (int round = 0; round < kRounds; ++round) {
            SCOPED_TRACE("round " + std::to_string(round + 1));
            if (waitForHide) {
                ASSERT_TRUE(WaitUntil([&] { return IsParkedOffScreen(window); })) << "not hidden again";
            }
            // The user's own pace, not a wait for the program.
            const ULONGLONG due = launchSeen + kUserPause.count(), now = GetTickCount64();
            if (now < due) Sleep(static_cast<DWORD>(due - now));
            // Another program leaves a file in the temporary links folder while the window is
            // away; calling the window up makes it an entry of the address and takes the file away.
            if (round == kRounds / 2 && CreateDirectoryA(links.c_str(), nullptr))
                std::ofstream(links + "News.url", std::ios::binary) << "[InternetShortcut]\r\nURL=http://news/\r\n";
            if (chords && round % 2 == 0) {
                HeldKeys chord({VK_LWIN, VK_CONTROL});
                ASSERT_TRUE(WaitUntil([&] { return ReadyForTyping(window); })) << "after the chord: " << Describe(window);
            } else {
                SendRestore(window);  // gives up waiting after 5 s; the restore still comes
            }
            ASSERT_TRUE(ReadyWithEmptyInput(window));
            std::string entries;
            EXPECT_TRUE(round != kRounds / 2 || WaitUntil([&] {
                            return Folder().ReadDataFile("Files.txt", entries) &&
                                   entries.find("\nurl: News|http://news/|||||0||||||0\r\n") != std::string::npos &&
                                   GetFileAttributesA((links + "News.url").c_str()) == INVALID_FILE_ATTRIBUTES;
                        })) << entries;
            ASSERT_NO_FATAL_FAILURE(SearchAndLaunch(window));
            launchSeen = GetTickCount64();
        }
    }
};

TEST_F(VisibilityCycleTest, TwentyRoundsByChordAndSecondInstance) {
    RunCycle(true, true);
}

TEST_F(VisibilityCycleTest, Managed_TwentyRoundsBySecondInstanceWhileTheHideRuns) {
    if (!WineManagesWindows()) GTEST_SKIP() << "runs where Wine manages its windows (stage \"managed\")";
    RunCycle(false, false);
}

}  // namespace
}  // namespace qx
