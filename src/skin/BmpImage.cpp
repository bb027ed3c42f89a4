#include "skin/BmpImage.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace qx {

namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kJpeg = 4, kPng = 5, kAlphaBitFields = 6;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t U32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
std::uint16_t U16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}
std::uint8_t Byte(std::string_view b, std::size_t at) { return static_cast<std::uint8_t>(b[at]); }

DecodedBitmap Fail(std::string reason) { return DecodedBitmap{std::nullopt, std::move(reason)}; }

std::uint32_t Opaque(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return 0xFF000000u | red << 16 | green << 8 | blue;
}

// One colour channel of a 16- or 32-bit pixel, scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t largest = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        largest = mask >> shift;
    }
    std::uint32_t Of(std::uint32_t pixel) const {
        if (mask == 0) return 0;
        const std::uint64_t value = (pixel & mask) >> shift;
        return static_cast<std::uint32_t>((value * 255 + largest / 2) / largest);
    }
};

// filePixels: where a file's header says the pixels are; none: they follow the colour table.
DecodedBitmap Decode(std::string_view dib, std::optional<std::string_view> filePixels) {
    if (dib.size() < 4) return Fail("the bitmap header is cut off");
    const std::uint32_t headerSize = U32(dib, 0);
    if (headerSize < kInfoHeaderSize) return Fail("bitmap header of " + std::to_string(headerSize) + " bytes is not read");
    if (headerSize > dib.size()) return Fail("the bitmap header is cut off");

    const auto width = static_cast<std::int32_t>(U32(dib, 4));
    const auto storedHeight = static_cast<std::int32_t>(U32(dib, 8));
    const int bitCount = U16(dib, 14);
    const std::uint32_t compression = U32(dib, 16);
    const std::uint32_t coloursUsed = U32(dib, 32);

    // INT32_MIN has no positive counterpart: a top-down height cannot be that.
    if (width <= 0 || storedHeight == 0 || storedHeight == INT32_MIN) return Fail("the bitmap has no size");
    const bool topDown = storedHeight < 0;
    const std::int32_t height = topDown ? -storedHeight : storedHeight;
    if (width > kMaxBitmapSide || height > kMaxBitmapSide)
        return Fail("the bitmap is too large (" + std::to_string(width) + " x " + std::to_string(height) +
                    "; at most 4096 x 4096)");

    if (compression == kRle8 || compression == kRle4) return Fail("run-length compressed bitmaps are not read");
    if (compression == kJpeg || compression == kPng) return Fail("JPEG and PNG bitmaps are not read");
    const bool bitFields = compression == kBitFields || compression == kAlphaBitFields;
    if (compression != kRgb && !bitFields) return Fail("bitmap compression " + std::to_string(compression) + " is not read");
    const bool depthKnown = bitFields ? (bitCount == 16 || bitCount == 32)
                                      : (bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
                                         bitCount == 24 || bitCount == 32);
    if (!depthKnown) return Fail(std::to_string(bitCount) + "-bit bitmaps are not read");

    // The colour masks: inside the V2..V5 headers, after the plain info header otherwise.
    std::size_t tableStart = headerSize;
    std::array<std::uint32_t, 3> masks = bitCount == 16 ? std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                                                        : std::array<std::uint32_t, 3>{0xFF0000, 0xFF00, 0xFF};
    if (bitFields) {
        const std::size_t maskBytes = compression == kAlphaBitFields ? 16 : 12;
        if (headerSize == kInfoHeaderSize) tableStart += maskBytes;
        if (kInfoHeaderSize + maskBytes > dib.size()) return Fail("the colour masks are cut off");
        for (std::size_t i = 0; i < 3; ++i) masks[i] = U32(dib, kInfoHeaderSize + 4 * i);
    }

    const std::uint64_t paletteSize =
        bitCount <= 8 ? (coloursUsed == 0 ? (1u << bitCount) : coloursUsed) : coloursUsed;
    if (bitCount <= 8 && paletteSize > (1u << bitCount)) return Fail("the colour table is too long");
    const std::uint64_t tableEnd = tableStart + paletteSize * 4;
    if (tableEnd > dib.size() && (bitCount <= 8 || !filePixels)) return Fail("the colour table is cut off");

    std::string_view pixels = filePixels ? *filePixels : dib.substr(static_cast<std::size_t>(tableEnd));
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
    const std::uint64_t lastRow = (static_cast<std::uint64_t>(width) * bitCount + 7) / 8;
    if (pixels.size() < stride * (height - 1) + lastRow) return Fail("the pixel data is cut off");

    std::array<std::uint32_t, 256> palette{};
    for (std::size_t i = 0; i < paletteSize && bitCount <= 8; ++i) {
        const std::size_t at = tableStart + 4 * i;
        palette[i] = Opaque(Byte(dib, at + 2), Byte(dib, at + 1), Byte(dib, at));
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);

    PixelImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    for (std::int32_t y = 0; y < height; ++y) {
        const std::size_t row = static_cast<std::size_t>(stride * (topDown ? y : height - 1 - y));
        std::uint32_t* out = image.pixels.data() + static_cast<std::size_t>(y) * width;
        for (std::int32_t x = 0; x < width; ++x) {
            const std::size_t column = static_cast<std::size_t>(x);
            switch (bitCount) {
                case 1:
                case 4:
                case 8: {
                    const std::size_t bit = column * bitCount;
                    const unsigned byte = Byte(pixels, row + bit / 8);
                    const unsigned index = (byte >> (8 - bitCount - bit % 8)) & ((1u << bitCount) - 1);
                    // An index past a short colour table is black, as Windows draws it.
                    out[x] = index < paletteSize ? palette[index] : Opaque(0, 0, 0);
                    break;
                }
                case 16: {
                    const std::uint32_t value = U16(pixels, row + 2 * column);
                    out[x] = Opaque(red.Of(value), green.Of(value), blue.Of(value));
                    break;
                }
                case 24: {
                    const std::size_t at = row + 3 * column;
                    out[x] = Opaque(Byte(pixels, at + 2), Byte(pixels, at + 1), Byte(pixels, at));
                    break;
                }
                default: {
                    const std::uint32_t value = U32(pixels, row + 4 * column);
                    out[x] = Opaque(red.Of(value), green.Of(value), blue.Of(value));
                    break;
                }
            }
        }
    }
    return DecodedBitmap{std::move(image), {}};
}

}  // namespace

DecodedBitmap DecodeBmpFile(std::string_view bytes) {
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') return Fail("not a bitmap file");
    if (bytes.size() < kFileHeaderSize) return Fail("the file header is cut off");
    const std::uint32_t pixelOffset = U32(bytes, 10);
    if (pixelOffset > bytes.size()) return Fail("the pixel data is cut off");
    return Decode(bytes.substr(kFileHeaderSize), bytes.substr(pixelOffset));
}

DecodedBitmap DecodeDib(std::string_view bytes) { return Decode(bytes, std::nullopt); }

}  // namespace qx
