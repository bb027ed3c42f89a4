#include <gtest/gtest.h>

#include <climits>

#include "skin/BitmapList.h"
#include "skin/BmpImage.h"
#include "skin/ImageOperations.h"
#include "skin/SkinTestFiles.h"

namespace qx {
namespace {

using Pixels = std::vector<std::uint32_t>;
using namespace test;

const std::string kPalette = std::string("\x30\x20\x10\0\xC0\xB0\xA0\0\xFF\0\0\0", 12);  // 0x102030, 0xA0B0C0, blue
const Pixels kRgb{0xFF112233, 0xFF445566, 0xFF778899, 0xFFAABBCC};
const std::string kRows24 = std::string("\x99\x88\x77\xCC\xBB\xAA\0\0\x33\x22\x11\x66\x55\x44\0\0", 16);

std::string V5WithMasks(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    std::string header = InfoHeader(2, 2, 32, 3, 0, 124);
    return header.replace(40, 12, Le32(red) + Le32(green) + Le32(blue));
}

TEST(BmpImageTest, DecodesEachDepthAndRowOrderFromFilesAndResources) {
    const struct {
        const char* name;
        std::string dib;
        std::size_t pixelsAt;
        Pixels expected;  // 2 x 2, top row first
    } cases[] = {
        {"1-bit", InfoHeader(2, 2, 1) + kPalette.substr(0, 8) + std::string("\x40\0\0\0\x80\0\0\0", 8), 48,
         {0xFFA0B0C0, 0xFF102030, 0xFF102030, 0xFFA0B0C0}},
        {"4-bit, 3 colours", InfoHeader(2, 2, 4, 0, 3) + kPalette + std::string("\x02\0\0\0\x21\0\0\0", 8), 52,
         {0xFF0000FF, 0xFFA0B0C0, 0xFF102030, 0xFF0000FF}},
        {"8-bit, index past the table is black", InfoHeader(2, 2, 8, 0, 2) + kPalette.substr(0, 8) +
         std::string("\0\x01\0\0\x01\x05\0\0", 8), 48, {0xFFA0B0C0, 0xFF000000, 0xFF102030, 0xFFA0B0C0}},
        {"16-bit 5-5-5", InfoHeader(2, 2, 16) + Le16(0x001F) + Le16(0x4210) + Le16(0x7C00) + Le16(0x03E0), 40,
         {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF848484}},
        {"16-bit 5-6-5 masks", InfoHeader(2, 2, 16, 3) + Le32(0xF800) + Le32(0x07E0) + Le32(0x001F) + Le16(0x0010) +
         Le16(0x07E0) + Le16(0xF800) + Le16(0x0400), 52, {0xFFFF0000, 0xFF008200, 0xFF000084, 0xFF00FF00}},
        {"24-bit bottom-up", InfoHeader(2, 2, 24) + kRows24, 40, kRgb},
        {"24-bit top-down", InfoHeader(2, -2, 24) + kRows24.substr(8) + kRows24.substr(0, 8), 40, kRgb},
        {"24-bit V4 header", InfoHeader(2, 2, 24, 0, 0, 108) + kRows24, 108, kRgb},
        {"32-bit, unused byte ignored", InfoHeader(2, 2, 32) + std::string("\x99\x88\x77\0\xCC\xBB\xAA\0", 8) +
         std::string("\x33\x22\x11\0\x66\x55\x44\0", 8), 40, kRgb},
        {"32-bit V5 masks", V5WithMasks(0xFF, 0xFF00, 0xFF0000) + std::string("\x77\x88\x99\0\xAA\xBB\xCC\0", 8) +
         std::string("\x11\x22\x33\0\x44\x55\x66\0", 8), 124, kRgb},
    };
    for (const auto& c : cases) {
        for (const DecodedBitmap& decoded : {DecodeDib(c.dib), DecodeBmpFile(FileOf(c.dib, c.pixelsAt))}) {
            ASSERT_TRUE(decoded) << c.name << ": " << decoded.error;
            EXPECT_EQ(decoded.image->width, 2) << c.name;
            EXPECT_EQ(decoded.image->height, 2) << c.name;
            EXPECT_EQ(decoded.image->pixels, c.expected) << c.name;
        }
    }
}

TEST(BmpImageTest, RefusesDamagedAndForeignBitmapsWithAReason) {
    const std::string pixels(16, '\0');
    const std::string core = Le32(12) + Le16(2) + Le16(2) + Le16(1) + Le16(24);
    const struct {
        std::string file;
        const char* reason;
    } cases[] = {
        {"BX" + FileOf(InfoHeader(2, 2, 24) + pixels, 40).substr(2), "not a bitmap file"},
        {"BM", "the file header is cut off"},
        {FileOf(InfoHeader(2, 2, 24).substr(0, 20), 0), "the bitmap header is cut off"},
        {FileOf(core + pixels, 12), "bitmap header of 12 bytes is not read"},
        {FileOf(InfoHeader(0, 2, 24) + pixels, 40), "the bitmap has no size"},
        {FileOf(InfoHeader(2, INT_MIN, 24) + pixels, 40), "the bitmap has no size"},
        {FileOf(InfoHeader(4097, 1, 24) + pixels, 40), "too large (4097 x 1; at most 4096 x 4096)"},
        {FileOf(InfoHeader(2, 2, 8, 1) + pixels, 40), "run-length compressed bitmaps are not read"},
        {FileOf(InfoHeader(2, 2, 24, 4) + pixels, 40), "JPEG and PNG bitmaps are not read"},
        {FileOf(InfoHeader(2, 2, 24, 7) + pixels, 40), "bitmap compression 7 is not read"},
        {FileOf(InfoHeader(2, 2, 2) + pixels, 40), "2-bit bitmaps are not read"},
        {FileOf(InfoHeader(2, 2, 24, 3) + pixels, 40), "24-bit bitmaps are not read"},
        {FileOf(InfoHeader(2, 2, 24) + pixels.substr(0, 13), 40), "the pixel data is cut off"},
        {FileOf(InfoHeader(2, 2, 24) + pixels, 1000), "the pixel data is cut off"},
        {FileOf(InfoHeader(4096, 4096, 32) + pixels, 40), "the pixel data is cut off"},
        {FileOf(InfoHeader(2, 2, 8, 0, 300) + pixels, 40), "the colour table is too long"},
        {FileOf(InfoHeader(2, 2, 1), 40), "the colour table is cut off"},
        {FileOf(InfoHeader(2, 2, 16, 3), 40), "the colour masks are cut off"},
    };
    for (const auto& c : cases) {
        const DecodedBitmap decoded = DecodeBmpFile(c.file);
        EXPECT_FALSE(decoded) << c.reason;
        EXPECT_NE(decoded.error.find(c.reason), std::string::npos) << decoded.error;
    }
}

TEST(ImageOperationsTest, MagentaTurnsGreyAndTheReleasedTintSparesIt) {
    const Pixels before{0xFFFF00FF, 0x00FF00FF, 0xFFFE00FF, 0xFF0A0B0C, 0xFFF0F5FF, 0xFFEC0000};
    PixelImage image{6, 1, before};
    ReplaceMagenta(image);
    EXPECT_EQ(image.pixels, (Pixels{0xFFDEDEDE, 0x00DEDEDE, 0xFFFE00FF, 0xFF0A0B0C, 0xFFF0F5FF, 0xFFEC0000}));
    image.pixels = before;
    TintReleased(image);
    EXPECT_EQ(image.pixels, (Pixels{0xFFFF00FF, 0x00FF00FF, 0xFFFF14FF, 0xFF1E1F0C, 0xFFFFFFFF, 0xFFFF1400}));
}

TEST(BitmapListTest, HoldsSevenImagesNumberedFromOne) {
    BitmapList list;
    const SkinImage image = std::make_shared<const PixelImage>(PixelImage{1, 1, {7}});
    for (int number : {0, 1, 7, 8}) list.SetBitmap(number, image);
    EXPECT_EQ(list.Bitmap(1), image);
    EXPECT_EQ(list.Bitmap(7), image);
    EXPECT_EQ(list.Bitmap(2), nullptr);
    EXPECT_EQ(list.Bitmap(0), nullptr);
    EXPECT_EQ(list.Bitmap(8), nullptr);
}

}  // namespace
}  // namespace qx
