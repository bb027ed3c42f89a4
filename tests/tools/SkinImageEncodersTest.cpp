#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "BmpFile.h"
#include "PngFile.h"

namespace qx {
namespace {

using imagefiles::RgbImage;
using Bytes = std::vector<uint8_t>;

uint32_t Le32(const Bytes& b, size_t at) { return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24; }

TEST(SkinImageEncoders, ChecksumsGiveTheirCheckValues) {
    const std::string digits = "123456789";
    const auto* data = reinterpret_cast<const uint8_t*>(digits.data());
    EXPECT_EQ(imagefiles::Crc32(data, 9), 0xCBF43926u);
    EXPECT_EQ(imagefiles::Crc32(data + 4, 5, imagefiles::Crc32(data, 4)), 0xCBF43926u);
    const std::string word = "Wikipedia";
    EXPECT_EQ(imagefiles::Adler32(reinterpret_cast<const uint8_t*>(word.data()), word.size()), 0x11E60398u);
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

// Made by zlib (level 9, fixed codes) over rows filtered Sub, Up and Paeth.
TEST(ImageFiles, ReadsAPngOfAnotherWriter) {
    const Bytes png{
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
        0x00, 0x04, 0x00, 0x00, 0x00, 0x03, 0x08, 0x02, 0x00, 0x00, 0x00, 0x3B, 0x96, 0x39, 0x91, 0x00, 0x00, 0x00,
        0x27, 0x49, 0x44, 0x41, 0x54, 0x78, 0xDA, 0x63, 0x64, 0x38, 0xC1, 0xC0, 0xF5, 0x08, 0x8A, 0x98, 0x8C, 0x18,
        0x18, 0x8C, 0x18, 0x34, 0x8C, 0x18, 0x02, 0x8C, 0x18, 0x2A, 0x58, 0x80, 0x1C, 0x2E, 0x06, 0x0D, 0x2E, 0x86,
        0x00, 0x20, 0x02, 0x00, 0x98, 0x30, 0x06, 0x64, 0x72, 0x86, 0x7F, 0x64, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45,
        0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
    const RgbImage expected{4, 3, {0,   200, 0, 10,  170, 0,  20,  140, 0,   30,  110, 0,   50,  200, 0,   60,  170, 40,
                                   70,  140, 80, 80, 110, 120, 100, 200, 0, 110, 170, 80, 120, 140, 160, 130, 110, 240}};
    EXPECT_EQ(imagefiles::DecodePng(png), expected);
}

RgbImage Drawn(int width, int height, uint8_t (*channel)(int x, int y, int c)) {
    RgbImage image{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) image.rgb.push_back(channel(x, y, c));
    return image;
}

TEST(ImageFiles, PngReadsBackExactlyAndFlatScreensStaySmall) {
    const struct {
        const char* name;
        RgbImage image;
        size_t maxBytes;
    } cases[] = {
        {"one pixel", Drawn(1, 1, [](int, int, int c) { return uint8_t(c * 100 + 7); }), 100},
        {"gradients", Drawn(300, 200, [](int x, int y, int c) { return uint8_t(c == 0 ? x : c == 1 ? y : x + y); }), 20000},
        {"noise", Drawn(64, 64, [](int x, int y, int c) { return uint8_t((x * 7919 + y * 104729 + c * 31) * 2654435761u >> 24); }), 20000},
        // Rows repeat at 1,920 bytes, longer runs than one match holds, far back in a long stream.
        {"window", Drawn(640, 480, [](int x, int y, int c) { return uint8_t(y > 400 && x > 300 && x < 320 ? 0 : 236 + c); }), 9000},
    };
    for (const auto& test : cases) {
        const Bytes png = imagefiles::EncodePng(test.image);
        EXPECT_EQ(imagefiles::DecodePng(png), test.image) << test.name;
        EXPECT_LE(png.size(), test.maxBytes) << test.name;
        EXPECT_EQ(imagefiles::EncodePng(test.image), png) << test.name << ": not the same bytes twice";
    }
}

// A PNG of a 5 x 4 image with these header fields around this zlib stream, checksums right.
Bytes PngAround(uint32_t height, uint8_t colourType, uint8_t interlace, const Bytes& zlib) {
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto put32 = [&](uint32_t value) {
        png.insert(png.end(), {uint8_t(value >> 24), uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value)});
    };
    const auto chunk = [&](const std::string& type, const Bytes& data) {
        Bytes body(type.begin(), type.end());
        body.insert(body.end(), data.begin(), data.end());
        put32(uint32_t(data.size()));
        png.insert(png.end(), body.begin(), body.end());
        put32(imagefiles::Crc32(body.data(), body.size()));
    };
    chunk("IHDR", {0, 0, 0, 5, uint8_t(height >> 24), uint8_t(height >> 16), uint8_t(height >> 8), uint8_t(height), 8,
                   colourType, 0, 0, interlace});
    chunk("IDAT", zlib);
    chunk("IEND", {});
    return png;
}

TEST(ImageFiles, PngThisReaderCannotTakeFailsSayingWhy) {
    const Bytes good = imagefiles::EncodePng(Drawn(5, 4, [](int x, int y, int c) { return uint8_t(x * 40 + y * 9 + c); }));
    const Bytes zlib(good.begin() + 41, good.end() - 16);  // the IDAT data
    Bytes badCrc = good, badSignature = good, badAdler = zlib;
    badCrc[45] ^= 1;
    badSignature[1] = 'J';
    badAdler.back() ^= 1;
    const struct {
        Bytes file;
        const char* message;
    } cases[] = {
        {Bytes(good.begin(), good.end() - 5), "the file ends inside a chunk, before IEND"},
        {badSignature, "not a PNG file (no PNG signature)"},
        {badCrc, "the CRC of chunk IDAT does not match"},
        {PngAround(4, 6, 0, zlib), "only 8-bit RGB images are read (this one has bit depth 8, colour type 6)"},
        {PngAround(4, 2, 1, zlib), "interlaced images are not read"},
        {PngAround(5, 2, 0, zlib), "the image data holds 64 bytes, the image needs 80"},
        {PngAround(3, 2, 0, zlib), "the image data holds more bytes than the image has"},
        {PngAround(4, 2, 0, badAdler), "the Adler-32 of the image data does not match"},
        {PngAround(4, 2, 0, {0x78, 0x01, 0x05, 0, 0, 0, 0, 0}), "the image data uses dynamic Huffman codes, which this reader does not read"},
        {PngAround(4, 2, 0, {0x78, 0x01, 0x03, 0x02, 0, 0, 0, 0, 0}), "the image data refers back before its start"},
        {PngAround(4, 2, 0, Bytes(zlib.begin(), zlib.end() - 8)), "the compressed image data ends early"},
    };
    for (const auto& test : cases) {
        try {
            imagefiles::DecodePng(test.file);
            ADD_FAILURE() << "read: " << test.message;
        } catch (const imagefiles::PngError& error) {
            EXPECT_STREQ(error.what(), test.message);
        }
    }
}

}  // namespace
}  // namespace qx
