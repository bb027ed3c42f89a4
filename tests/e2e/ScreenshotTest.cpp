#include <filesystem>
#include <string>
#include <vector>

#include "e2e/RecorderTest.h"
#include "e2e/ScreenDpi.h"
#include "e2e/Screenshot.h"

namespace qx {
namespace {

using namespace qx::test;

// The Theme menu's first command; the item at position p sends this + p: the built-in looks
// Windows, MacOS 1, MacOS 2 and MacOS 3 at 0 to 3, then the skins folder's in sorted order.
constexpr WPARAM kThemeCommandFirst = 1000;

struct Look {
    const char* name;
    WPARAM position;
};

class ScreenshotTest : public RecorderTest {
protected:
    // One program through the looks, as a user tries them from the Theme menu: the list with
    // its second row selected must look as each reference (name + suffix) shows, within the
    // tolerance. Each look differs from the one before it, the start-up look included.
    void ShowEachLook(const std::vector<Look>& looks, const std::string& suffix) {
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

        RgbImage previous = CaptureWindow(window);
        for (const Look& look : looks) {
            ASSERT_TRUE(PostMessageA(window, WM_COMMAND, kThemeCommandFirst + look.position, 0));
            RgbImage captured;
            EXPECT_TRUE(ShowsReference(window, look.name + suffix, previous, captured)) << look.name << suffix;
            previous = captured;
        }
        EXPECT_EQ(ListRows(window), rows);
        EXPECT_EQ(SelectedRow(window), 1);
    }
};

TEST_F(ScreenshotTest, EveryLookShowsTheListAsItsReferenceDoes) {
    const ScreenDpi dpi(96);
    ASSERT_TRUE(dpi.Applied());
    ShowEachLook({{"windows", 0}, {"macos1", 1}, {"macos2", 2}, {"macos3", 3}, {"slate", 4}}, "");
}

// At 150 % the window scales what the look lets it scale: rows, icons, fonts.
TEST_F(ScreenshotTest, EveryBuiltInLookAtDpi144ShowsTheListAsItsReferenceDoes) {
    const ScreenDpi dpi(144);
    ASSERT_TRUE(dpi.Applied());
    ShowEachLook({{"windows", 0}, {"macos1", 1}, {"macos2", 2}, {"macos3", 3}}, "@144");
}

}  // namespace
}  // namespace qx
