#include "skin/AlphaDraw.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace qx {
namespace {

struct Span {
    int first = 0;  // first source column (or row)
    int end = 0;    // one past the last
};

// Source columns (or rows) from max(0, -offset) up to the smallest of the limits.
Span Clip(int offset, int destinationSize, int sourceSize, int maskSize) {
    Span span;
    span.first = std::max(0, -offset);
    span.end = std::min({sourceSize, maskSize, destinationSize - offset});
    return span;
}

std::uint32_t Channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFFu; }

// (1 - m/255) d + (m/255) s rounded, in integers: the numerator over 255 is never exactly
// half-way, so adding 127 rounds as the real-valued formula does; below 65535,
// (v + 1 + (v >> 8)) >> 8 is v / 255.
std::uint32_t MixChannel(std::uint32_t d, std::uint32_t s, std::uint32_t m) {
    const std::uint32_t v = (255 - m) * d + m * s + 127;
    return (v + 1 + (v >> 8)) >> 8;
}

void BlendMasked(std::uint32_t* out, const std::uint32_t* in, const std::uint32_t* weights, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t d = out[i], s = in[i], w = weights[i];
        out[i] = (d & 0xFF000000u) | MixChannel(d & 0xFF, s & 0xFF, w & 0xFF) |
                 MixChannel((d >> 8) & 0xFF, (s >> 8) & 0xFF, (w >> 8) & 0xFF) << 8 |
                 MixChannel((d >> 16) & 0xFF, (s >> 16) & 0xFF, (w >> 16) & 0xFF) << 16;
    }
}

void BlendConstant(std::uint32_t* out, const std::uint32_t* in, double opacity, std::size_t count) {
    const double keep = 1.0 - opacity;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t d = out[i], s = in[i];
        std::uint32_t result = d & 0xFF000000u;
        for (int shift = 0; shift <= 16; shift += 8) {
            const double mixed = std::nearbyint(keep * Channel(d, shift) + opacity * Channel(s, shift));
            result |= static_cast<std::uint32_t>(std::clamp(mixed, 0.0, 255.0)) << shift;
        }
        out[i] = result;
    }
}

}  // namespace

void DrawAlphaBitmap(int x, int y, PixelView destination, const PixelImage& source,
                     const PixelImage* mask, double opacity) {
    const bool perPixel = opacity < 0;
    if (perPixel && !mask) return;
    const int maskWidth = perPixel ? mask->width : source.width;
    const int maskHeight = perPixel ? mask->height : source.height;
    const Span columns = Clip(x, destination.width, source.width, maskWidth);
    const Span rows = Clip(y, destination.height, source.height, maskHeight);
    if (columns.first >= columns.end) return;
    const std::size_t count = static_cast<std::size_t>(columns.end - columns.first);

    for (int row = rows.first; row < rows.end; ++row) {
        std::uint32_t* out =
            &destination.pixels[static_cast<std::size_t>(row + y) * destination.width + (x + columns.first)];
        const std::uint32_t* in = &source.pixels[static_cast<std::size_t>(row) * source.width + columns.first];
        if (perPixel)
            BlendMasked(out, in, &mask->pixels[static_cast<std::size_t>(row) * mask->width + columns.first], count);
        else
            BlendConstant(out, in, opacity, count);
    }
}

void StretchImage(const Rect& target, PixelView destination, const PixelImage& source) {
    const int width = target.Width();
    const int height = target.Height();
    if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0) return;
    const int left = std::max(0, target.left);
    const int right = std::min(destination.width, target.right);
    const int top = std::max(0, target.top);
    const int bottom = std::min(destination.height, target.bottom);
    if (left >= right) return;
    std::vector<int> sourceColumn(static_cast<std::size_t>(right - left));
    for (int x = left; x < right; ++x)
        sourceColumn[x - left] = static_cast<int>((2LL * (x - target.left) + 1) * source.width / (2LL * width));
    for (int y = top; y < bottom; ++y) {
        const long long sourceRow = (2LL * (y - target.top) + 1) * source.height / (2LL * height);
        const std::uint32_t* in = &source.pixels[static_cast<std::size_t>(sourceRow) * source.width];
        std::uint32_t* out = &destination.pixels[static_cast<std::size_t>(y) * destination.width + left];
        for (std::size_t i = 0; i < sourceColumn.size(); ++i) out[i] = in[sourceColumn[i]];
    }
}

PixelImage Stretched(const PixelImage& source, int width, int height) {
    PixelImage image;
    if (width <= 0 || height <= 0) return image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<std::size_t>(width) * height, 0);
    StretchImage(Rect{0, 0, width, height}, image, source);
    return image;
}

void DrawThreePieceMark(PixelView destination, const Rect& markRect, const PixelImage& mark,
                        const PixelImage* leftCap, const PixelImage* leftCapAlpha,
                        const PixelImage* rightCap, const PixelImage* rightCapAlpha) {
    const int leftWidth = leftCap ? leftCap->width : 0;
    const int rightWidth = rightCap ? rightCap->width : 0;
    StretchImage(Rect{markRect.left + leftWidth, markRect.top, markRect.right - rightWidth,
                      markRect.top + mark.height},
                 destination, mark);
    if (leftCap) DrawAlphaBitmap(markRect.left, markRect.top, destination, *leftCap, leftCapAlpha, -1);
    if (rightCap)
        DrawAlphaBitmap(markRect.right - rightWidth, markRect.top, destination, *rightCap, rightCapAlpha, -1);
}

void DrawFadeMark(PixelView destination, const Rect& markRect, int rowHeight, const PixelImage& mark,
                  const PixelImage& ramp) {
    const int rampWidth = ramp.width;
    const PixelImage fade = Stretched(ramp, rampWidth, rowHeight);
    const PixelImage end = Stretched(mark, rampWidth, rowHeight);
    StretchImage(Rect{markRect.left, markRect.top, markRect.right - rampWidth, markRect.bottom}, destination,
                 mark);
    DrawAlphaBitmap(markRect.right - rampWidth, markRect.top, destination, end, &fade, -1);
}

}  // namespace qx
