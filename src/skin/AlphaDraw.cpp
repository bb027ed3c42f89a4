#include "skin/AlphaDraw.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

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

}  // namespace

void DrawAlphaBitmap(int x, int y, PixelImage& destination, const PixelImage& source,
                     const PixelImage* mask, double opacity) {
    const bool perPixel = opacity < 0;
    if (perPixel && !mask) return;
    const int maskWidth = perPixel ? mask->width : source.width;
    const int maskHeight = perPixel ? mask->height : source.height;
    const Span columns = Clip(x, destination.width, source.width, maskWidth);
    const Span rows = Clip(y, destination.height, source.height, maskHeight);
    if (columns.first >= columns.end) return;
    const double keep = 1.0 - opacity;

    for (int row = rows.first; row < rows.end; ++row) {
        std::uint32_t* out = &destination.pixels[static_cast<std::size_t>(row + y) * destination.width];
        const std::uint32_t* in = &source.pixels[static_cast<std::size_t>(row) * source.width];
        const std::uint32_t* weights =
            perPixel ? &mask->pixels[static_cast<std::size_t>(row) * mask->width] : nullptr;
        for (int column = columns.first; column < columns.end; ++column) {
            const std::uint32_t d = out[column + x];
            const std::uint32_t s = in[column];
            std::uint32_t result = d & 0xFF000000u;
            for (int shift = 0; shift <= 16; shift += 8) {
                const std::uint32_t dc = Channel(d, shift);
                const std::uint32_t sc = Channel(s, shift);
                std::uint32_t value;
                if (perPixel) {
                    // (1 - m/255) d + (m/255) s in integers: the numerator over 255 is never
                    // exactly half-way, so adding 127 rounds it as the real-valued formula does.
                    const std::uint32_t m = Channel(weights[column], shift);
                    value = ((255 - m) * dc + m * sc + 127) / 255;
                } else {
                    const double mixed = std::nearbyint(keep * dc + opacity * sc);
                    value = static_cast<std::uint32_t>(std::clamp(mixed, 0.0, 255.0));
                }
                result |= value << shift;
            }
            out[column + x] = result;
        }
    }
}

void DrawImage(int x, int y, PixelImage& destination, const PixelImage& source) {
    const Span columns = Clip(x, destination.width, source.width, source.width);
    const Span rows = Clip(y, destination.height, source.height, source.height);
    if (columns.first >= columns.end) return;
    for (int row = rows.first; row < rows.end; ++row) {
        const std::uint32_t* in = &source.pixels[static_cast<std::size_t>(row) * source.width];
        std::copy(in + columns.first, in + columns.end,
                  &destination.pixels[static_cast<std::size_t>(row + y) * destination.width + x + columns.first]);
    }
}

void StretchImage(const Rect& target, PixelImage& destination, const PixelImage& source) {
    const int width = target.Width();
    const int height = target.Height();
    if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0) return;
    const int left = std::max(0, target.left);
    const int right = std::min(destination.width, target.right);
    const int top = std::max(0, target.top);
    const int bottom = std::min(destination.height, target.bottom);
    for (int y = top; y < bottom; ++y) {
        const long long sourceRow = (2LL * (y - target.top) + 1) * source.height / (2LL * height);
        const std::uint32_t* in = &source.pixels[static_cast<std::size_t>(sourceRow) * source.width];
        std::uint32_t* out = &destination.pixels[static_cast<std::size_t>(y) * destination.width];
        for (int x = left; x < right; ++x)
            out[x] = in[(2LL * (x - target.left) + 1) * source.width / (2LL * width)];
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

void DrawThreePieceMark(PixelImage& destination, const Rect& markRect, const PixelImage& mark,
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

void DrawFadeMark(PixelImage& destination, const Rect& markRect, int rowHeight, const PixelImage& mark,
                  const PixelImage& ramp) {
    const int rampWidth = ramp.width;
    const PixelImage fade = Stretched(ramp, rampWidth, rowHeight);
    const PixelImage end = Stretched(mark, rampWidth, rowHeight);
    StretchImage(Rect{markRect.left, markRect.top, markRect.right - rampWidth, markRect.bottom}, destination,
                 mark);
    DrawAlphaBitmap(markRect.right - rampWidth, markRect.top, destination, end, &fade, -1);
}

}  // namespace qx
