#include <string>
#include <vector>

#include "e2e/Harness.h"
#include "e2e/ListRows.h"
#include "e2e/RecorderTest.h"

namespace qx {
namespace {

using namespace qx::test;

class LaunchTest : public RecorderTest {};

TEST_F(LaunchTest, EnterLaunchesTheEntryWithItsParametersAndHidesTheWindow) {
    HWND window = StartShown("Recorder|" + recorder_ + "|alpha beta\r\n");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(TypeText("recor"));
    ASSERT_TRUE(WaitUntil([&] { return ListRows(window) == std::vector<std::string>{"Recorder"}; }));
    ASSERT_TRUE(PressKey(VK_RETURN));
    EXPECT_TRUE(WaitUntil([&] { return Launches().find("alpha beta") != std::string::npos; })) << Launches();
    EXPECT_TRUE(WaitUntil([&] { return IsParkedOffScreen(window); }));
}

TEST_F(LaunchTest, MissingFileIsReportedWithItsNameAndTheWindowStaysUsable) {
    HWND window = StartShown("Missing|Z:\\nowhere\\gone.exe\r\n");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(TypeText("missi"));
    ASSERT_TRUE(WaitUntil([&] { return ListRows(window) == std::vector<std::string>{"Missing"}; }));
    ASSERT_TRUE(PressKey(VK_RETURN));
    HWND report = WaitForMessageBox(pid_);
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(MessageBoxText(report), "Datei oder Ordner \"Z:\\nowhere\\gone.exe\" wurde nicht gefunden.");
    ASSERT_TRUE(AnswerMessageBox(report, IDOK));
    EXPECT_TRUE(IsShownOnScreen(window));
    ASSERT_TRUE(BringToFront(window));
    ASSERT_TRUE(TypeText("ng"));
    EXPECT_TRUE(WaitUntil([&] { return InputLineText(window) == "missing"; })) << InputLineText(window);
}

TEST_F(LaunchTest, CommandModeRunsTheCommandAndPutsItOnTopOfTheHistory) {
    ASSERT_TRUE(Folder().WriteDataFile("OldOrders.txt", "exe: older command\r\n"));
    HWND window = StartShown("");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(TypeText(",qx_recorder.exe one two"));
    ASSERT_TRUE(WaitUntil([&] { return !ListRows(window).empty() && ListRows(window)[0] == "exe: qx_recorder.exe one two"; }));
    ASSERT_TRUE(PressKey(VK_RETURN));
    EXPECT_TRUE(WaitUntil([&] { return Launches().find("one two") != std::string::npos; })) << Launches();
    std::string history;
    EXPECT_TRUE(WaitUntil([&] {
        return Folder().ReadDataFile("OldOrders.txt", history) &&
               history == "exe: qx_recorder.exe one two\r\nexe: older command\r\n";
    })) << history;
}

TEST_F(LaunchTest, RunAsPromptHoldsTheInputAndItsCancelStartsNothing) {
    HWND window = StartShown("Admin|" + recorder_ + "|alpha||||0||||admin||0\r\n");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(TypeText("admi"));
    ASSERT_TRUE(WaitUntil([&] { return ListRows(window) == std::vector<std::string>{"Admin"}; }));
    ASSERT_TRUE(PressKey(VK_RETURN));
    HWND prompt = WaitForMessageBox(pid_);
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(WindowCaption(prompt), "Passwortabfrage");
    const HWND inputLine = GetDlgItem(window, 10);
    EXPECT_FALSE(IsWindowEnabled(inputLine));  // the launch holds the input
    ASSERT_TRUE(AnswerMessageBox(prompt, IDCANCEL));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(inputLine) != FALSE; }));
    SetForegroundWindow(window);
    ASSERT_TRUE(TypeText("n"));
    EXPECT_TRUE(WaitUntil([&] { return InputLineText(window) == "admin"; })) << InputLineText(window);
    EXPECT_EQ(FindMessageBox(pid_), nullptr);  // nothing was started, so nothing failed
    EXPECT_EQ(Launches(), "");
}

}  // namespace
}  // namespace qx
