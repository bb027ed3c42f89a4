#pragma once
#include <cstdint>
#include <vector>

namespace qx::imagefiles {

// 8-bit red, green, blue per pixel, rows top to bottom, no padding: what the encoders take.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // width * height * 3 bytes

    bool operator==(const RgbImage&) const = default;
};

}  // namespace qx::imagefiles
