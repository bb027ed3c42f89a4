#include <filesystem>
#include <string>
#include <vector>

#include "e2e/RecorderTest.h"
#include "e2e/Screenshot.h"

namespace qx {
namespace {

using namespace qx::test;

// The Theme menu's first command; the item at position p sends this + p: the built-in looks
// Windows, MacOS 1, MacOS 2 and MacOS 3 at 0 to 3, then the skins folder's in sorted order.
constexpr WPARAM kThemeCommandFirst = 1000;

int SelectedRow(HWND window) {
    return static_cast<int>(SendMessageA(FindWindowExA(window, nullptr, "TovraLB", nullptr), LB_GETCURSEL, 0, 0));
}

class ScreenshotTest : public RecorderTest {};

// One program through every look, as a user tries them from the Theme menu: the list with
// its second row selected must look as each reference shows, within the tolerance.
TEST_F(ScreenshotTest, EveryLookShowsTheListAsItsReferenceDoes) {
    std::error_code error;
    std::filesystem::create_directories(Folder().DataFolder() + "Skins", error);
    std::filesystem::copy(SampleSkinsFolder() + "Slate", Folder().DataFolder() + "Skins\\Slate",
                          std::filesystem::copy_options::recursive, error);
    ASSERT_FALSE(error) << "cannot copy the sample skin: " << error.message();
    HWND window = StartShown("Notepad|C:\\windows\\notepad.exe\r\nNotes|C:\\windows\\\r\n"
                             "Nova|Z:\\nowhere\\nova.exe\r\nRegistry|C:\\windows\\regedit.exe\r\n");
    ASSERT_NE(window, nullptr);
    // No button under the mouse pointer: a hovered one would be drawn lit.
    SetCursorPos(ScreenRect().right - 1, ScreenRect().bottom - 1);
    const std::vector<std::string> rows{"Notepad", "Notes", "Nova"};
    ASSERT_TRUE(Search(window, "no", rows));
    ASSERT_TRUE(PressKey(VK_DOWN));
    ASSERT_TRUE(WaitUntil([&] { return SelectedRow(window) == 1; }));

    // Each look differs from the one before it, the start-up look ("MacOS 2") included.
    const struct {
        const char* name;
        WPARAM position;
    } looks[] = {{"windows", 0}, {"macos1", 1}, {"macos2", 2}, {"macos3", 3}, {"slate", 4}};
    RgbImage previous = CaptureWindow(window);
    for (const auto& look : looks) {
        ASSERT_TRUE(PostMessageA(window, WM_COMMAND, kThemeCommandFirst + look.position, 0));
        RgbImage captured;
        EXPECT_TRUE(ShowsReference(window, look.name, previous, captured)) << look.name;
        previous = captured;
    }
    EXPECT_EQ(ListRows(window), rows);
    EXPECT_EQ(SelectedRow(window), 1);
}

}  // namespace
}  // namespace qx
