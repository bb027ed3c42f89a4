#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "BmpFile.h"
#include "PngFile.h"

namespace qx {
namespace {

using imagegen::RgbImage;
using Bytes = std::vector<uint8_t>;

uint32_t Le32(const Bytes& b, size_t at) { return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24; }
uint32_t Be32(const Bytes& b, size_t at) { return uint32_t(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3]; }

TEST(SkinImageEncoders, ChecksumsGiveTheirCheckValues) {
    const std::string digits = "123456789";
    const auto* data = reinterpret_cast<const uint8_t*>(digits.data());
    EXPECT_EQ(imagegen::Crc32(data, 9), 0xCBF43926u);
    EXPECT_EQ(imagegen::Crc32(data + 4, 5, imagegen::Crc32(data, 4)), 0xCBF43926u);
    const std::string word = "Wikipedia";
    EXPECT_EQ(imagegen::Adler32(reinterpret_cast<const uint8_t*>(word.data()), word.size()), 0x11E60398u);
}

TEST(SkinImageEncoders, BitmapRowsAreBottomUpBlueGreenRedPaddedToFourBytes) {
    const RgbImage image{3, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}};
    const Bytes bmp = imagegen::EncodeBmp(image);
    ASSERT_EQ(bmp.size(), 54u + 2 * 12);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(Le32(bmp, 2), bmp.size());
    EXPECT_EQ(Le32(bmp, 10), 54u);
    EXPECT_EQ(Le32(bmp, 18), 3u);
    EXPECT_EQ(Le32(bmp, 22), 2u);
    EXPECT_EQ(bmp[28], 24);
    EXPECT_EQ(Le32(bmp, 34), 24u);
    EXPECT_EQ(Bytes(bmp.begin() + 54, bmp.end()),
              (Bytes{12, 11, 10, 15, 14, 13, 18, 17, 16, 0, 0, 0, 3, 2, 1, 6, 5, 4, 9, 8, 7, 0, 0, 0}));
    EXPECT_THROW(imagegen::EncodeBmp(RgbImage{3, 2, {1, 2, 3}}), std::invalid_argument);
}

// Reads the file back the way a viewer does: chunk checksums, the zlib header, each stored
// block's length and its complement, the Adler-32 of the scan lines.
TEST(SkinImageEncoders, PngHoldsEveryScanLineInStoredBlocksWithValidChecksums) {
    RgbImage image{200, 120, {}};  // 72,120 bytes of scan lines: more than one block holds
    for (int i = 0; i < 200 * 120 * 3; ++i) image.rgb.push_back(static_cast<uint8_t>(i * 7 + i / 600));
    const Bytes png = imagegen::EncodePng(image);
    ASSERT_EQ(Bytes(png.begin(), png.begin() + 8), (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));

    std::vector<std::string> types;
    Bytes zlib;
    for (size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = Be32(png, at);
        ASSERT_LE(at + 12 + length, png.size());
        types.emplace_back(png.begin() + at + 4, png.begin() + at + 8);
        EXPECT_EQ(Be32(png, at + 8 + length), imagegen::Crc32(png.data() + at + 4, length + 4)) << types.back();
        if (types.back() == "IHDR") {
            EXPECT_EQ(Bytes(png.begin() + at + 8, png.begin() + at + 8 + length),
                      (Bytes{0, 0, 0, 200, 0, 0, 0, 120, 8, 2, 0, 0, 0}));
        }
        if (types.back() == "IDAT") zlib.insert(zlib.end(), png.begin() + at + 8, png.begin() + at + 8 + length);
        at += 12 + length;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));

    ASSERT_GE(zlib.size(), 6u);
    EXPECT_EQ(zlib[0] & 0x0F, 8);
    EXPECT_EQ((zlib[0] * 256 + zlib[1]) % 31, 0);
    Bytes raw;
    int blocks = 0;
    size_t at = 2;
    for (bool last = false; !last;) {
        ASSERT_LE(at + 5, zlib.size());
        last = zlib[at] & 1;
        EXPECT_EQ(zlib[at] >> 1, 0) << "stored block expected";
        const unsigned length = zlib[at + 1] | zlib[at + 2] << 8;
        EXPECT_EQ(length ^ (zlib[at + 3] | zlib[at + 4] << 8), 0xFFFFu);
        ASSERT_LE(at + 5 + length, zlib.size());
        raw.insert(raw.end(), zlib.begin() + at + 5, zlib.begin() + at + 5 + length);
        at += 5 + length;
        ++blocks;
    }
    EXPECT_EQ(blocks, 2);
    ASSERT_EQ(at + 4, zlib.size());
    EXPECT_EQ(Be32(zlib, at), imagegen::Adler32(raw.data(), raw.size()));
    Bytes expected;
    for (int y = 0; y < 120; ++y) {
        expected.push_back(0);
        expected.insert(expected.end(), image.rgb.begin() + y * 600, image.rgb.begin() + (y + 1) * 600);
    }
    EXPECT_EQ(raw, expected);
}

}  // namespace
}  // namespace qx
