#pragma once

namespace qx {

// A rectangle in pixels, right and bottom exclusive, as the Win32 RECT.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The size of a skin image; the list only needs the sizes, never the pixels.
// A zero width or height means "no image".
struct ImageSize {
    int width = 0;
    int height = 0;

    bool Empty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const ImageSize&, const ImageSize&) = default;
};

}  // namespace qx
