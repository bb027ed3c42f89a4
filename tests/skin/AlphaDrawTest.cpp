#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/AlphaDraw.h"
#include "skin/RowImages.h"

namespace qx {
namespace {

PixelImage Filled(int width, int height, std::uint32_t colour) {
    return PixelImage{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour)};
}

// One character a pixel: '.' black, '#' white, '+' anything else.
std::vector<std::string> Picture(const PixelImage& image) {
    std::vector<std::string> rows;
    for (int y = 0; y < image.height; ++y) {
        std::string row;
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t c = image.pixels[y * image.width + x] & 0xFFFFFF;
            row += c == 0 ? '.' : c == 0xFFFFFF ? '#' : '+';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(AlphaDraw, ClipsToDestinationSourceAndMask) {
    struct Case { int x, y, sw, sh, mw, mh; double opacity; std::vector<std::string> expected; };
    const Case cases[] = {
        {-1, -1, 3, 3, 3, 3, -1, {"##..", "##..", "...."}},  // negative offsets
        {1, 1, 5, 5, 5, 5, -1, {"....", ".###", ".###"}},    // source larger than the destination
        {0, 0, 3, 3, 2, 1, -1, {"##..", "....", "...."}},    // mask smaller than the source
        {0, 0, 3, 3, 1, 1, 1.0, {"###.", "###.", "###."}},   // constant opacity ignores the mask
        {4, 0, 3, 3, 3, 3, -1, {"....", "....", "...."}},    // right of the destination
        {0, -3, 3, 3, 3, 3, -1, {"....", "....", "...."}},   // above it
    };
    for (const Case& c : cases) {
        PixelImage canvas = Filled(4, 3, 0xFF000000);
        const PixelImage mask = Filled(c.mw, c.mh, 0xFFFFFF);
        DrawAlphaBitmap(c.x, c.y, canvas, Filled(c.sw, c.sh, 0xFFFFFFFF), &mask, c.opacity);
        EXPECT_EQ(Picture(canvas), c.expected) << c.x << "," << c.y;
    }
    PixelImage canvas = Filled(2, 2, 0);
    DrawAlphaBitmap(0, 0, canvas, Filled(2, 2, 0xFFFFFF), nullptr, -1);  // per pixel without a mask
    EXPECT_EQ(Picture(canvas), (std::vector<std::string>{"..", ".."}));
}

TEST(AlphaDraw, BlendsEachChannelRoundedAndClamped) {
    struct Case { std::uint32_t destination, source, mask; double opacity; std::uint32_t expected; };
    const Case cases[] = {
        {0xFF000000, 0x00FFFFFF, 0x808080, -1, 0xFF808080},  // grey mask: 128/255 of white
        {0x12646464, 0x00C8C8C8, 0x404040, -1, 0x127D7D7D},  // (191*100 + 64*200)/255 = 125.1
        {0xFF000000, 0x00010101, 0x808080, -1, 0xFF010101},  // 128/255 rounds up
        {0xFF000000, 0x00010101, 0x7F7F7F, -1, 0xFF000000},  // 127/255 down
        {0xFF0A0A0A, 0xFFC8C8C8, 0xFF0080, -1, 0xFFC80A69},  // tinting: red all, green none, blue half
        {0xFF000000, 0xFFFFFFFF, 0, 0.3, 0xFF4C4C4C},         // 76.5 - epsilon
        {0xFF646464, 0xFFC8C8C8, 0, 0.3, 0xFF828282},         // 70 + 60
        {0xFF000000, 0xFF010301, 0, 0.5, 0xFF000200},         // halves to even: 0.5 -> 0, 1.5 -> 2
        {0xFF00FF00, 0xFFC80000, 0, 2.0, 0xFFFF0000},         // 400 -> 255, -255 -> 0
    };
    for (const Case& c : cases) {
        PixelImage canvas = Filled(1, 1, c.destination);
        const PixelImage mask = Filled(1, 1, c.mask);
        DrawAlphaBitmap(0, 0, canvas, Filled(1, 1, c.source), &mask, c.opacity);
        EXPECT_EQ(canvas.pixels[0], c.expected) << std::hex << c.source;
    }
}

TEST(AlphaDraw, MarksFadeOutAndJoinTheirCaps) {
    PixelImage canvas = Filled(6, 2, 0);
    const PixelImage ramp{2, 1, {0xFFFFFF, 0x000000}};
    DrawFadeMark(canvas, Rect{0, 0, 6, 2}, 2, Filled(4, 2, 0xFFFFFFFF), ramp);
    EXPECT_EQ(Picture(canvas), (std::vector<std::string>{"#####.", "#####."}));

    canvas = Filled(8, 1, 0);
    const PixelImage cap = Filled(2, 1, 0xFFFFFF), shown = Filled(2, 1, 0xFFFFFF), hidden = Filled(1, 1, 0);
    const PixelImage rightCap = Filled(1, 1, 0xFFFFFF);
    DrawThreePieceMark(canvas, Rect{1, 0, 7, 1}, Filled(1, 1, 0x808080), &cap, &shown, &rightCap, &hidden);
    EXPECT_EQ(Picture(canvas), (std::vector<std::string>{".##+++.."}));
}

TEST(AlphaDraw, RowArrowsUseTheirSizeAndAlphaImage) {
    SkinLook look;
    const auto white = std::make_shared<PixelImage>(Filled(2, 1, 0xFFFFFF));
    const auto leftOnly = std::make_shared<PixelImage>(PixelImage{2, 1, {0xFFFFFF, 0}});
    look.arrows = {white, white, leftOnly, nullptr, white, white, nullptr, leftOnly};
    struct Case { ArrowKind arrow; bool large; const char* expected; };
    const Case cases[] = {{ArrowKind::Folder, false, ".#.."}, {ArrowKind::Folder, true, ".##."},
                          {ArrowKind::File, false, ".##."}, {ArrowKind::File, true, ".#.."}};
    for (const Case& c : cases) {
        PixelImage canvas = Filled(4, 1, 0);
        RowPlan plan;
        plan.arrow = c.arrow;
        plan.arrowAt = Point{1, 0};
        DrawRowImages(canvas, plan, look, c.large, 1, nullptr);
        EXPECT_EQ(Picture(canvas)[0], c.expected) << c.large;
    }
}

}  // namespace
}  // namespace qx
