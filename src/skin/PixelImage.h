#pragma once
#include <cstdint>
#include <memory>
#include <vector>

namespace qx {

// A 32-bit top-down pixel buffer, one 0xAARRGGBB value per pixel (BGRA bytes in memory, as a
// 32-bit DIB section holds them).
struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // width * height, row by row

    bool operator==(const PixelImage&) const = default;
};

// The skin's images are shared, never changed once handed out: a new look hands out new
// images. Null means "no image".
using SkinImage = std::shared_ptr<const PixelImage>;

}  // namespace qx
