#include <gtest/gtest.h>

#include <algorithm>

#include "app/win32/InputLinePainter.h"
#include "skin/win32/SkinBitmap.h"

namespace qx {
namespace {

// The painted line, 120 x 24 at (20, 10) of its parent, black text on white, read back.
class InputLinePainterTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_.reset(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 60, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr));
        ASSERT_TRUE(parent_ && line_.Create(parent_.get()));
        line_.MoveTo(RECT{20, 10, 140, 34}, 2);
        line_.SetLook(nullptr, nullptr, RGB(255, 255, 255), nullptr, RGB(0, 0, 0));
    }
    PixelImage Painted(const InputLineState& state) {
        line_.SetState(state);
        UniqueBitmap bitmap = MakeDibSection(PixelImage{120, 24, std::vector<std::uint32_t>(120 * 24)});
        UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        {
            ScopedSelectObject selected(dc.get(), bitmap.get());
            SendMessageA(line_.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
            GdiFlush();
        }
        return ReadBitmapPixels(bitmap.get());
    }
    // The rightmost column with a pixel that is not white; -1 for none.
    int RightmostInk(const InputLineState& state) {
        const PixelImage image = Painted(state);
        int right = -1;
        for (std::size_t i = 0; i < image.pixels.size(); ++i)
            if ((image.pixels[i] & 0xFFFFFF) != 0xFFFFFF) right = std::max(right, static_cast<int>(i % 120));
        return right;
    }

    UniqueHwnd parent_;
    InputLinePainter line_{GetModuleHandleA(nullptr)};
};

TEST_F(InputLinePainterTest, TheCaretBlinksAndTheSpinnerStandsAtTheRightEnd) {
    const int caretOff = RightmostInk({"ab", false, 0, 4});
    EXPECT_GT(caretOff, 0);
    EXPECT_GT(RightmostInk({"ab", false, 0, 3}), caretOff + 1);
    EXPECT_GT(RightmostInk({"ab", true, 5, 0}), 100);  // "  |  " right-aligned in 120
    EXPECT_EQ(RightmostInk({"", false, 0, 0}), -1);    // no text, no caret
}

TEST_F(InputLinePainterTest, TheWindowBackgroundLiesUnderTheLineWhereTheLineIs) {
    PixelImage ground{300, 60, std::vector<std::uint32_t>(300 * 60, 0xFFFFFFFF)};
    ground.pixels[12 * 300 + 25] = 0xFF123456;
    const SkinBitmap background = SkinBitmap::Opaque(ground);
    line_.SetLook(&background, nullptr, RGB(255, 255, 255), nullptr, RGB(0, 0, 0));
    EXPECT_EQ(Painted({}).pixels[2 * 120 + 5] & 0xFFFFFF, 0x123456u);
}

}  // namespace
}  // namespace qx
