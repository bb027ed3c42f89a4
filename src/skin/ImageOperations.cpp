#include "skin/ImageOperations.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace qx {

namespace {

constexpr std::uint32_t kColourBits = 0x00FFFFFF;
constexpr std::uint32_t kMagenta = 0xFF00FF;
constexpr std::uint32_t kLightGrey = 0xDEDEDE;
constexpr std::uint32_t kTintStep = 20;

}  // namespace

void ReplaceMagenta(PixelImage& image) {
    for (std::uint32_t& pixel : image.pixels)
        if ((pixel & kColourBits) == kMagenta) pixel = (pixel & ~kColourBits) | kLightGrey;
}

void TintReleased(PixelImage& image) {
    for (std::uint32_t& pixel : image.pixels) {
        if ((pixel & kColourBits) == kMagenta) continue;
        const std::uint32_t red = std::min<std::uint32_t>((pixel >> 16 & 0xFF) + kTintStep, 255);
        const std::uint32_t green = std::min<std::uint32_t>((pixel >> 8 & 0xFF) + kTintStep, 255);
        pixel = (pixel & 0xFF0000FF) | red << 16 | green << 8;
    }
}

void DrawImage(PixelView target, const PixelImage& source, int left, int top, int width, int height) {
    // The source rectangle (0, 0, width, height) clipped to the source, then to the target.
    width = std::min(width, source.width);
    height = std::min(height, source.height);
    const int firstX = std::max(0, -left), firstY = std::max(0, -top);
    const int endX = std::min(width, target.width - left), endY = std::min(height, target.height - top);
    if (firstX >= endX || firstY >= endY) return;
    for (int y = firstY; y < endY; ++y) {
        const std::uint32_t* from = source.pixels.data() + static_cast<std::size_t>(y) * source.width + firstX;
        std::uint32_t* to = target.pixels + static_cast<std::size_t>(y + top) * target.width + left + firstX;
        std::copy(from, from + (endX - firstX), to);
    }
}

}  // namespace qx
