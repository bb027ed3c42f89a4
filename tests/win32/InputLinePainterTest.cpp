#include <gtest/gtest.h>

#include <algorithm>

#include "app/win32/InputLinePainter.h"
#include "skin/win32/SkinBitmap.h"

namespace qx {
namespace {

// A line 120 x 24 at (20, 10) of its parent, black text on white: the caret column comes and
// goes, the spinner stands at the right end, the window background lies under it in place.
TEST(InputLinePainter, CaretSpinnerAndBackgroundArePaintedWhereTheyBelong) {
    UniqueHwnd parent(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 60, nullptr, nullptr, nullptr, nullptr));
    InputLinePainter line(GetModuleHandleA(nullptr));
    ASSERT_TRUE(parent && line.Create(parent.get()));
    line.MoveTo(RECT{20, 10, 140, 34}, 2);
    const auto painted = [&](const InputLineState& state) {
        line.SetState(state);
        UniqueBitmap bitmap = MakeDibSection(PixelImage{120, 24, std::vector<std::uint32_t>(120 * 24)});
        UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        {
            ScopedSelectObject selected(dc.get(), bitmap.get());
            SendMessageA(line.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
            GdiFlush();
        }
        return ReadBitmapPixels(bitmap.get());
    };
    const auto rightmostInk = [&](const InputLineState& state) {
        const PixelImage image = painted(state);
        int right = -1;
        for (std::size_t i = 0; i < image.pixels.size(); ++i)
            if ((image.pixels[i] & 0xFFFFFF) != 0xFFFFFF) right = std::max(right, static_cast<int>(i % 120));
        return right;
    };
    line.SetLook(nullptr, nullptr, RGB(255, 255, 255), nullptr, RGB(0, 0, 0));
    const int caretOff = rightmostInk({"ab", false, 0, 4});
    EXPECT_GT(caretOff, 0);
    EXPECT_GT(rightmostInk({"ab", false, 0, 3}), caretOff + 1);
    EXPECT_GT(rightmostInk({"ab", true, 5, 0}), 100);  // "  |  " right-aligned
    EXPECT_EQ(rightmostInk({"", false, 0, 0}), -1);    // no text, no caret

    PixelImage ground{300, 60, std::vector<std::uint32_t>(300 * 60, 0xFFFFFFFF)};
    ground.pixels[12 * 300 + 25] = 0xFF123456;
    const SkinBitmap background = SkinBitmap::Opaque(ground);
    line.SetLook(&background, nullptr, RGB(255, 255, 255), nullptr, RGB(0, 0, 0));
    EXPECT_EQ(painted({}).pixels[2 * 120 + 5] & 0xFFFFFF, 0x123456u);
}

}  // namespace
}  // namespace qx
