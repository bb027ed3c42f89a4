#pragma once
#include <cstdint>
#include <vector>

#include "RgbImage.h"

namespace qx::imagegen {

using imagefiles::RgbImage;

// A Windows bitmap file: BITMAPFILEHEADER, BITMAPINFOHEADER, 24 bits per pixel, no
// compression, rows bottom-up in blue-green-red order, each padded to a multiple of 4 bytes.
// Alpha masks are written the same way, as grey images (see the README).
std::vector<uint8_t> EncodeBmp(const RgbImage& image);

}  // namespace qx::imagegen
