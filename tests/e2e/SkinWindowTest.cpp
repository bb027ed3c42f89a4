#include <string>
#include <vector>

#include "e2e/Harness.h"
#include "e2e/ListRows.h"
#include "e2e/MouseInput.h"

namespace qx {
namespace {

using namespace qx::test;

// The window's buttons by control id.
constexpr int kAllEntriesButton = 30;
constexpr int kOptionsButton = 31;
constexpr int kCloseButton = 33;
constexpr int kMinimiseButton = 34;

// Popup menus are windows of the system class "#32768"; Wine keeps closed ones, hidden.
bool MenuIsOpen() {
    for (HWND menu : TopWindowsOfClass("#32768"))
        if (IsWindowVisible(menu)) return true;
    return false;
}

using SkinWindowTest = QuilloxE2eTest;

// One program through the rounds a user makes with the window's own buttons: the options
// button opens the menu, "all entries" lists every entry, minimise hides, a summon brings it
// back, and close asks before it quits. (The looks themselves: ScreenshotTest.)
TEST_F(SkinWindowTest, TheWindowButtonsDoTheirJobs) {
    ASSERT_TRUE(Folder().WriteDataFile("Files.txt", "Alpha|C:\\a.exe\r\nBeta|C:\\b.exe\r\nGamma|C:\\c.exe\r\n"
                                                    "Delta|C:\\d.exe\r\n"));
    HWND window = StartHidden();
    ASSERT_NE(window, nullptr);
    const DWORD pid = Started().Pid();

    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_TRUE(SendRestore(window));
        // Shown, and done showing: the tray icon goes last.
        ASSERT_TRUE(WaitUntil([&] { return IsShownOnScreen(window) && ReadyForTyping(window); }));
        ASSERT_TRUE(WaitUntil([&] { return !TrayIconExists(window, 1); }));
        for (const int id : {kAllEntriesButton, kOptionsButton, kCloseButton, kMinimiseButton})
            ASSERT_TRUE(IsWindowVisible(GetDlgItem(window, id))) << "button " << id;

        ASSERT_TRUE(ClickOn(GetDlgItem(window, kOptionsButton)));
        ASSERT_TRUE(WaitUntil(MenuIsOpen)) << "the options button opened no menu";
        ASSERT_TRUE(PressKey(VK_ESCAPE));
        ASSERT_TRUE(WaitUntil([] { return !MenuIsOpen(); }));

        ASSERT_TRUE(ClickOn(GetDlgItem(window, kAllEntriesButton)));
        ASSERT_TRUE(WaitUntil([&] { return ListRows(window).size() == 4; })) << ListRows(window).size() << " rows";

        ASSERT_TRUE(ClickOn(GetDlgItem(window, kMinimiseButton)));
        ASSERT_TRUE(WaitUntil([&] { return IsParkedOffScreen(window); })) << "minimise left the window up";
    }

    // Close asks first: No keeps the program, Yes ends it.
    ASSERT_TRUE(SendRestore(window));
    ASSERT_TRUE(WaitUntil([&] { return IsShownOnScreen(window) && !TrayIconExists(window, 1); }));
    ASSERT_TRUE(ClickOn(GetDlgItem(window, kCloseButton)));
    ASSERT_EQ(AnswerNextMessageBox(pid, IDNO), kCloseQuestion);
    EXPECT_FALSE(Started().WaitForExit(kQuietPeriod).has_value());
    ASSERT_TRUE(ClickOn(GetDlgItem(window, kCloseButton)));
    ASSERT_EQ(AnswerNextMessageBox(pid, IDYES), kCloseQuestion);
    EXPECT_TRUE(Started().WaitForExit(kDefaultTimeout).has_value());
}

}  // namespace
}  // namespace qx
