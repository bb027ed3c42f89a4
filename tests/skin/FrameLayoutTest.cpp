#include <gtest/gtest.h>

#include <memory>

#include "skin/FrameLayout.h"

namespace qx {
namespace {

SkinImage Image(int width, int height) {
    return std::make_shared<PixelImage>(PixelImage{width, height, std::vector<std::uint32_t>(width * height)});
}

SkinLook Custom(SkinPositions positions, bool hasBackBitmap = false) {
    SkinLook look;
    look.properties = SkinProperties{.hasBackBitmap = hasBackBitmap, .listLeft = 5, .listRight = 7, .listBottom = 9,
                                     .customObjectPositions = true, .positions = positions};
    return look;
}

TEST(FrameLayoutTest, PlacesThePiecesFromTheFrameImagesOrTheSkinsOwnPositions) {
    SkinLook builtIn;
    builtIn.topRight = Image(30, 23);
    FrameLayout layout = LayoutFrame(builtIn, 353);
    EXPECT_EQ(layout.buttons, (std::array<FramePoint, 5>{{{6, 24}, {157, 24}, {236, 24}, {8, 4}, {29, 4}}}));
    EXPECT_EQ(layout.edit, (Rect{48, 2, 324, 22}));  // 353 - (30 + 48) + 1 wide
    EXPECT_EQ(layout.inputLine, (Rect{48, 0, 324, 23}));
    EXPECT_EQ(layout.inputFontHeight, 18);
    EXPECT_EQ(WindowSizeAround(builtIn, 349, 246), (ImageSize{353, 289}));
    builtIn.topRightVisible = false;  // a hidden image leaves its place to the input line
    EXPECT_EQ(LayoutFrame(builtIn, 353).edit.right, 354);

    const SkinLook custom = Custom(SkinPositions{1, 2, 3, 4, 10, 5, 20, 24, 60, 11, 12, 13, 14, 15, 16});
    layout = LayoutFrame(custom, 300);
    EXPECT_EQ(layout.buttons, (std::array<FramePoint, 5>{{{11, 12}, {13, 14}, {15, 16}, {1, 2}, {3, 4}}}));
    EXPECT_EQ(layout.edit, (Rect{10, 7, 280, 31}));  // FormEditRight is the gap to the right edge
    EXPECT_EQ(layout.inputLine, (Rect{10, 5, 280, 29}));
    EXPECT_EQ(layout.inputFontHeight, 22);
    EXPECT_EQ(WindowSizeAround(custom, 100, 50), (ImageSize{112, 119}));
    EXPECT_EQ(LayoutFrame(custom, 20).edit.Width(), 0);  // never negative in a narrow window
}

TEST(FrameLayoutTest, ABackgroundPictureBoundsTheListAndWithoutAGripFixesIt) {
    EXPECT_EQ(ListLimitsFor(SkinLook{}), (ListSizeLimits{307, 1, 0, 0}));  // built in: no maxima
    SkinLook look = Custom(SkinPositions{.listTop = 60}, true);
    look.background = Image(400, 300);
    EXPECT_EQ(ListLimitsFor(look), (ListSizeLimits{299, 1, 388, 231}));
    look.properties.hideResizer = true;
    EXPECT_EQ(ListLimitsFor(look), (ListSizeLimits{388, 231, 388, 231}));
    look.properties.hideResizer = false;
    look.background = Image(200, 300);  // narrower than the buttons need: the picture wins
    EXPECT_EQ(ListLimitsFor(look), (ListSizeLimits{188, 1, 188, 231}));
}

TEST(FrameLayoutTest, CentringDividesEachHalfTowardZero) {
    EXPECT_EQ(CentreOnScreen(1024, 768, 353, 289), (FramePoint{336, 240}));  // not (1024 - 353) / 2
    EXPECT_EQ(CentreOnScreen(1023, 767, 353, 289), (FramePoint{335, 239}));
    EXPECT_EQ(CentreOver(Rect{100, 50, 453, 339}, 200, 101), (FramePoint{176, 144}));
    EXPECT_EQ(CentreOver(Rect{0, 0, 100, 100}, 201, 100), (FramePoint{-50, 0}));
}

}  // namespace
}  // namespace qx
