#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "fakes/FakeClock.h"
#include "platform/win32/Win32Resources.h"
#include "skin/BmpImage.h"
#include "skin/images/SkinImageIds.h"
#include "skin/win32/ImageButton.h"
#include "skin/win32/SkinBitmap.h"

namespace qx {
namespace {

PixelImage Solid(int width, int height, std::uint32_t pixel) {
    return PixelImage{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), pixel)};
}

std::uint32_t Rgb(std::uint32_t pixel) { return pixel & 0xFFFFFF; }

TEST(SkinBitmapTest, PixelsSurviveTheRoundTripThroughADibSection) {
    const PixelImage cases[] = {
        {1, 1, {0xFF123456}},
        // Odd width (no row padding in 32 bits), top row first, alpha bytes kept.
        {3, 2, {0xFFFF0000, 0x8000FF00, 0x000000FF, 0xFFFFFFFF, 0x01020304, 0xFF000000}},
    };
    for (const PixelImage& image : cases) {
        const UniqueBitmap bitmap = MakeDibSection(image);
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(ReadBitmapPixels(bitmap.get()), image) << image.width << "x" << image.height;
    }
    // Nothing to draw, or a buffer that does not match its size: no bitmap at all.
    EXPECT_FALSE(MakeDibSection(PixelImage{}));
    EXPECT_FALSE(MakeDibSection(PixelImage{2, 2, {1, 2, 3}}));
    EXPECT_FALSE(SkinBitmap::Opaque(PixelImage{0, 5, {}}));
}

// Draws the bitmap over a ground of 0x102030 and reads the result back.
PixelImage DrawnOverGround(const SkinBitmap& bitmap, int width, int height, bool stretch = false) {
    WindowDc screen(nullptr);
    UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    UniqueBitmap target = MakeDibSection(Solid(width, height, 0xFF102030));
    {
        ScopedSelectObject selected(dc.get(), target.get());
        if (stretch)
            bitmap.Stretch(dc.get(), RECT{0, 0, width, height});
        else
            bitmap.Draw(dc.get(), 0, 0);
        GdiFlush();
    }
    return ReadBitmapPixels(target.get());
}

TEST(SkinBitmapTest, ColourKeysLetTheGroundThrough) {
    const PixelImage image{4, 1, {0xFFC86432, 0xFFC86432, 0xFFFF00FF, 0xFFC86432}};
    const PixelImage keyed = DrawnOverGround(SkinBitmap::ColourKeyed(image, 0xFF00FF), 4, 1);
    EXPECT_EQ(Rgb(keyed.pixels[1]), 0xC86432u);
    EXPECT_EQ(Rgb(keyed.pixels[2]), 0x102030u);
}

TEST(SkinBitmapTest, TheProgramsBitmapResourcesDecode) {
    const Win32Resources resources;
    const std::optional<std::string> bytes = resources.BitmapResource(skin_images::kTopBarLeft);
    ASSERT_TRUE(bytes);
    const DecodedBitmap decoded = DecodeDib(*bytes);
    ASSERT_TRUE(decoded) << decoded.error;
    // Its top-left corner is the window's rounded corner, transparent magenta.
    EXPECT_EQ(Rgb(decoded.image->pixels[0]), 0xFF00FFu);
    EXPECT_FALSE(resources.BitmapResource(1999));
}

class ImageButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_.reset(CreateWindowExA(0, "STATIC", "button test", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr));
        ASSERT_TRUE(parent_);
        // The parent's procedure notes the button's click notifications.
        SetWindowLongPtrA(parent_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        parentProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(parent_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ParentProc)));
        ASSERT_TRUE(button_.Create(parent_.get(), 42, 5, 6));
    }
    static LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<ImageButtonTest*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) self->clicks_.push_back(LOWORD(wParam));
        return CallWindowProcA(self->parentProc_, hwnd, message, wParam, lParam);
    }
    void Send(UINT message, int x = 10, int y = 10) {
        SendMessageA(button_.Handle(), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
    }
    // One WM_TIMER of the animation after `ms` of the clock.
    void Tick(std::uint64_t ms) {
        clock_.now += ms;
        SendMessageA(button_.Handle(), WM_TIMER, 1, 0);
    }
    std::uint32_t FacePixel(int x, int y) const {
        const PixelImage& face = button_.Face();
        return Rgb(face.pixels[static_cast<std::size_t>(y * face.width + x)]);
    }

    test::FakeClock clock_;
    UniqueHwnd parent_;
    WNDPROC parentProc_ = nullptr;
    ImageButton button_{GetModuleHandleA(nullptr), clock_};
    std::vector<int> clicks_;
};

TEST_F(ImageButtonTest, HoverAndPressDarkenTheFaceStepByStepAndAClickReachesTheParent) {
    ButtonLook look;
    look.draw = std::make_shared<const PixelImage>(Solid(40, 20, 0xFFC8C8C8));
    look.hoverStyle = HoverStyle::Darken;
    look.hideText = true;
    button_.SetLook(look);
    RECT rect{};
    GetWindowRect(button_.Handle(), &rect);
    EXPECT_EQ(rect.right - rect.left, 40);  // fitted to its image
    EXPECT_EQ(rect.bottom - rect.top, 20);
    EXPECT_EQ(FacePixel(20, 10), 0xC8C8C8u);

    Send(WM_MOUSEMOVE);
    Tick(10);
    // Level 1 at 10 pixels from the border: 200 * (1 - 0.2 * 10/15) = 173.3.
    EXPECT_EQ(FacePixel(20, 10), 0xADADADu);
    EXPECT_EQ(FacePixel(0, 0), 0xC8C8C8u);  // the border stays
    Send(WM_LBUTTONDOWN);
    Tick(10);
    // Level 2: 200 * (1 - 0.4 * 10/15) = 146.7.
    EXPECT_EQ(FacePixel(20, 10), 0x939393u);
    EXPECT_TRUE(clicks_.empty());
    Send(WM_LBUTTONUP);
    EXPECT_EQ(clicks_, std::vector<int>{42});
    // Released: back down one step per 10 ms, two steps at once after a late timer.
    Tick(25);
    EXPECT_EQ(FacePixel(20, 10), 0xC8C8C8u);

    // A press that ends outside the button is no click.
    Send(WM_LBUTTONDOWN);
    Send(WM_LBUTTONUP, 100, 100);
    EXPECT_EQ(clicks_.size(), 1u);
}

TEST_F(ImageButtonTest, SimpleStyleSwapsImagesAndTheCaptionIsDrawnOnTheFace) {
    ButtonLook look;
    look.draw = std::make_shared<const PixelImage>(Solid(60, 18, 0xFFFFFFFF));
    look.hover = std::make_shared<const PixelImage>(Solid(60, 18, 0xFF0000FF));
    look.caption = "Options";
    ButtonFont font;
    font.colour = 0x0000FF;  // red, as GDI spells it
    button_.SetFont(font);
    button_.SetLook(look);
    // The text's pixels are red, whether smoothed or not: more red than green in each.
    int textPixels = 0;
    for (const std::uint32_t pixel : button_.Face().pixels)
        textPixels += Rgb(pixel) != 0xFFFFFFu && (pixel >> 16 & 0xFF) > (pixel >> 8 & 0xFF);
    EXPECT_GT(textPixels, 10);
    EXPECT_EQ(FacePixel(0, 0), 0xFFFFFFu);
    Send(WM_MOUSEMOVE);
    Tick(10);
    EXPECT_EQ(FacePixel(0, 0), 0x0000FFu);

    // Without a draw image the button is not shown at all.
    button_.SetLook(ButtonLook{});
    EXPECT_FALSE(IsWindowVisible(button_.Handle()));
}

}  // namespace
}  // namespace qx
