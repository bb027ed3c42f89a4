#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "e2e/Backdrop.h"
#include "e2e/MouseInput.h"
#include "e2e/RecorderTest.h"
#include "e2e/Screenshot.h"

namespace qx {
namespace {

using namespace qx::test;

// The opacity menu's first command; the item at position p sends this + p: "Deaktiviert" at
// 0, "90%" (what a fresh start uses) at 3.
constexpr WPARAM kOpacityCommandFirst = 140;
constexpr WPARAM kLayeringOff = kOpacityCommandFirst + 0;
constexpr WPARAM kOpacity90 = kOpacityCommandFirst + 3;
constexpr char kLayeringOffWarningStart[] = "Ist die Transparenz deaktiviert werden alle runden Fenster eckig.";
// A colour no look uses: behind the window, it shows where the window lets it through.
constexpr COLORREF kBehind = RGB(0, 160, 80);
// What a look's magenta becomes when the window cannot be see-through.
constexpr uint8_t kNoLayerGrey = 222;
// The rounded corners lie within this many pixels of both edges they join.
constexpr int kCornerReach = 10;

bool PixelIs(const RgbImage& image, size_t pixel, uint8_t r, uint8_t g, uint8_t b) {
    return image.rgb.size() >= 3 * (pixel + 1) && image.rgb[3 * pixel] == r && image.rgb[3 * pixel + 1] == g &&
           image.rgb[3 * pixel + 2] == b;
}

// The pixels of the capture that show the backdrop, by index.
std::vector<size_t> SeeThrough(const RgbImage& image) {
    std::vector<size_t> pixels;
    for (size_t i = 0; i < image.rgb.size() / 3; ++i)
        if (PixelIs(image, i, GetRValue(kBehind), GetGValue(kBehind), GetBValue(kBehind))) pixels.push_back(i);
    return pixels;
}

bool InACorner(const RgbImage& image, size_t pixel) {
    const int x = static_cast<int>(pixel % image.width), y = static_cast<int>(pixel / image.width);
    return std::min(x, image.width - 1 - x) < kCornerReach && std::min(y, image.height - 1 - y) < kCornerReach;
}

HWND CaptureOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndCapture : nullptr;
}

bool IsLayered(HWND window) { return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }

SIZE ListSize(HWND window) {
    const RECT rect = WindowRect(ListOf(window));
    return {rect.right - rect.left, rect.bottom - rect.top};
}

class FrameTest : public RecorderTest {
protected:
    // A whole-number value of config.cfg; nothing when the key or the file is missing.
    std::optional<int> Stored(const std::string& key) {
        std::string config;
        if (!Folder().ReadDataFile("config.cfg", config)) return std::nullopt;
        const size_t at = ("\n" + config).find("\n" + key + "=");
        if (at == std::string::npos) return std::nullopt;
        return std::atoi(config.c_str() + at + key.size() + 1);
    }

    bool StoresSize(const char* widthKey, const char* heightKey, SIZE size) {
        return Stored(widthKey) == size.cx && Stored(heightKey) == size.cy;
    }

    // Drags the resize grip by (dx, dy) in steps with the left button held, as a user does,
    // the list following each step; then lets go.
    static ::testing::AssertionResult DragGrip(HWND window, int dx, int dy) {
        const SIZE start = ListSize(window);
        // The built-in looks draw the grip in the list's bottom-right corner.
        const RECT list = WindowRect(ListOf(window));
        const POINT grip{list.right - 3, list.bottom - 3};
        // The moves go to the list only once it has taken the press (and the mouse capture).
        if (!LeftButtonAt(grip, true) || !WaitUntil([&] { return CaptureOf(window) == ListOf(window); }))
            return ::testing::AssertionFailure() << "the list did not take the press on its grip";
        constexpr int kSteps = 4;
        POINT at = grip;
        for (int step = 1; step <= kSteps; ++step) {
            const SIZE wanted{start.cx + dx * step / kSteps, start.cy + dy * step / kSteps};
            at = {grip.x + dx * step / kSteps, grip.y + dy * step / kSteps};
            // Moved again on every poll, as a hand on the mouse would: under Wine a move that
            // comes while the window is still growing from the step before can go unseen.
            const bool followed = WaitUntil([&] {
                const SIZE now = ListSize(window);
                return MoveMouseTo(at) && now.cx == wanted.cx && now.cy == wanted.cy;
            });
            if (!followed) {
                LeftButtonAt(at, false);
                const SIZE now = ListSize(window);
                return ::testing::AssertionFailure() << "step " << step << ": the list is " << now.cx << " x "
                                                     << now.cy << ", not " << wanted.cx << " x " << wanted.cy;
            }
        }
        return LeftButtonAt(at, false) ? ::testing::AssertionSuccess()
                                       : ::testing::AssertionFailure() << "cannot release the mouse button";
    }
};

// One program through the opacity menu: layered, the rounded corners let what lies behind
// through (and nothing else does); with layering off ("Deaktiviert", after its warning) the
// same pixels are grey; back at 90 % they are see-through again.
TEST_F(FrameTest, CornersSeeThroughWhileLayeredAndTurnGreyWithLayeringOff) {
    // Laid out before the program starts, so that the window comes up above it.
    const Backdrop backdrop(ScreenRect(), kBehind);
    ASSERT_NE(backdrop.Window(), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return PixelIs(CaptureWindow(backdrop.Window()), 0, 0, 160, 80); }))
        << "the backdrop does not show";
    HWND window = StartShown("Notepad|C:\\windows\\notepad.exe\r\n");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsLayered(window));

    // Judged once two captures in a row agree: the window is done painting.
    RgbImage shown, last;
    std::vector<size_t> corners;
    const auto onlyCorners = [&] {
        return std::ranges::all_of(corners, [&](size_t pixel) { return InACorner(shown, pixel); });
    };
    ASSERT_TRUE(WaitUntil([&] {
        last = std::exchange(shown, CaptureWindow(window));
        corners = SeeThrough(shown);
        return shown.rgb == last.rgb && !corners.empty() && onlyCorners();
    })) << corners.size() << " pixels let the backdrop through, " << (onlyCorners() ? "none" : "some")
        << " outside the corners";

    ASSERT_TRUE(PostMessageA(window, WM_COMMAND, kLayeringOff, 0));
    const std::string warning = AnswerNextMessageBox(pid_, IDOK);
    EXPECT_TRUE(warning.starts_with(kLayeringOffWarningStart)) << warning;
    EXPECT_TRUE(WaitUntil([&] {
        shown = CaptureWindow(window);
        return SeeThrough(shown).empty() && std::ranges::all_of(corners, [&](size_t pixel) {
                   return PixelIs(shown, pixel, kNoLayerGrey, kNoLayerGrey, kNoLayerGrey);
               });
    })) << SeeThrough(shown).size() << " pixels see-through";
    EXPECT_FALSE(IsLayered(window));

    ASSERT_TRUE(PostMessageA(window, WM_COMMAND, kOpacity90, 0));
    EXPECT_TRUE(WaitUntil([&] { return SeeThrough(CaptureWindow(window)) == corners; }));
    EXPECT_TRUE(IsLayered(window));
}

// A resize drag ends by storing the list's size for the view it was made in: the normal
// view's in lbWidth/lbHeight, folder browsing's in reWidth/reHeight, each leaving the other
// alone; leaving folder browsing brings the normal size back.
TEST_F(FrameTest, AResizeDragStoresTheListSizeOfItsView) {
    HWND window = StartShown("Notepad|C:\\windows\\notepad.exe\r\n");
    ASSERT_NE(window, nullptr);
    const SIZE before = ListSize(window);
    ASSERT_TRUE(DragGrip(window, 60, 40));
    const SIZE normal{before.cx + 60, before.cy + 40};
    EXPECT_TRUE(WaitUntil([&] { return StoresSize("lbWidth", "lbHeight", normal); }))
        << "lbWidth " << Stored("lbWidth").value_or(-1) << ", lbHeight " << Stored("lbHeight").value_or(-1);

    std::string browse = "<";
    browse += Folder().DataFolder();
    ASSERT_TRUE(TypeText(browse));
    ASSERT_TRUE(WaitUntil([&] { return std::ranges::count(ListRows(window), "Files.txt") == 1; }))
        << ::testing::PrintToString(ListRows(window));
    const SIZE folderBefore = ListSize(window);
    ASSERT_TRUE(DragGrip(window, 40, 30));
    const SIZE folder{folderBefore.cx + 40, folderBefore.cy + 30};
    EXPECT_TRUE(WaitUntil([&] { return StoresSize("reWidth", "reHeight", folder); }))
        << "reWidth " << Stored("reWidth").value_or(-1) << ", reHeight " << Stored("reHeight").value_or(-1);
    EXPECT_TRUE(StoresSize("lbWidth", "lbHeight", normal));

    ASSERT_TRUE(PressKey(VK_ESCAPE));
    EXPECT_TRUE(WaitUntil([&] {
        const SIZE now = ListSize(window);
        return InputLineText(window).empty() && now.cx == normal.cx && now.cy == normal.cy;
    })) << ListSize(window).cx << " x " << ListSize(window).cy;
}

}  // namespace
}  // namespace qx
