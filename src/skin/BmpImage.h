#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "skin/PixelImage.h"

namespace qx {

// The largest bitmap a skin may use on either side; anything bigger is a damaged or foreign
// file, not a window part.
inline constexpr int kMaxBitmapSide = 4096;

struct DecodedBitmap {
    std::optional<PixelImage> image;  // opaque pixels (alpha 0xFF), top row first
    std::string error;                // why there is no image, in a few words

    explicit operator bool() const { return image.has_value(); }
};

// The bytes of a .bmp file: the 14-byte file header ("BM"), then the bitmap as DecodeDib reads
// it, its pixels where the file header's offset says.
DecodedBitmap DecodeBmpFile(std::string_view bytes);

// A device-independent bitmap as a bitmap resource stores it: the info header (40-byte
// BITMAPINFOHEADER, or the 108/124-byte V4/V5 headers), the colour masks of BI_BITFIELDS,
// the colour table, then the pixels. Reads 1, 4 and 8 bits with a palette, 16 bits (5-5-5, or
// any masks with BI_BITFIELDS), 24 bits and 32 bits (BI_RGB or masks), bottom-up or top-down.
// Run-length compressed, JPEG and PNG bitmaps, sizes of zero or beyond kMaxBitmapSide, and
// data shorter than the header promises fail without reading past the bytes given.
DecodedBitmap DecodeDib(std::string_view bytes);

}  // namespace qx
