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

// A view of 32-bit top-down pixels owned elsewhere (a PixelImage, or a DIB section's memory),
// so drawing reaches a window's off-screen bitmap without copying it.
struct PixelView {
    int width = 0;
    int height = 0;
    std::uint32_t* pixels = nullptr;  // width * height, row by row

    PixelView() = default;
    PixelView(int w, int h, std::uint32_t* p) : width(w), height(h), pixels(p) {}
    // Implicit: a PixelImage is drawn into wherever a view is asked for.
    PixelView(PixelImage& image) : width(image.width), height(image.height), pixels(image.pixels.data()) {}
};

// The skin's images are shared, never changed once handed out: a new look hands out new
// images. Null means "no image".
using SkinImage = std::shared_ptr<const PixelImage>;

}  // namespace qx
