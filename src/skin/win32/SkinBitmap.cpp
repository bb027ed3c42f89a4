#include "skin/win32/SkinBitmap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/win32/TopDownDib.h"

namespace qx {

namespace {

bool Consistent(const PixelImage& image) {
    return image.width > 0 && image.height > 0 &&
           image.pixels.size() == static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
}

}  // namespace

UniqueBitmap MakeDibSection(const PixelImage& image) {
    if (!Consistent(image)) return {};
    const BITMAPINFO info = TopDownDibInfo(image.width, image.height);
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return {};
    std::memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(std::uint32_t));
    return bitmap;
}

PixelImage ReadBitmapPixels(HBITMAP bitmap) {
    BITMAP header{};
    if (!bitmap || GetObjectA(bitmap, sizeof(header), &header) != sizeof(header)) return {};
    PixelImage image;
    image.width = header.bmWidth;
    image.height = std::abs(header.bmHeight);
    if (image.width <= 0 || image.height <= 0) return {};
    image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    BITMAPINFO info = TopDownDibInfo(image.width, image.height);
    WindowDc screen(nullptr);
    // GetDIBits refuses a bitmap that is selected into a DC; callers hand over free ones.
    if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(image.height), image.pixels.data(), &info,
                  DIB_RGB_COLORS) != image.height)
        return {};
    return image;
}

SkinBitmap SkinBitmap::Make(const PixelImage& image, bool blended) {
    SkinBitmap made;
    made.bitmap_ = MakeDibSection(image);
    if (!made.bitmap_) return {};
    made.width_ = image.width;
    made.height_ = image.height;
    made.blended_ = blended;
    return made;
}

SkinBitmap SkinBitmap::Opaque(const PixelImage& image) { return Make(image, false); }

SkinBitmap SkinBitmap::ColourKeyed(const PixelImage& image, std::uint32_t keyRgb) {
    if (!Consistent(image)) return {};
    PixelImage keyed = image;
    for (std::uint32_t& pixel : keyed.pixels)
        pixel = (pixel & 0xFFFFFF) == (keyRgb & 0xFFFFFF) ? 0 : (pixel | 0xFF000000u);
    return Make(keyed, true);
}

void SkinBitmap::Blit(HDC dc, int x, int y, int w, int h, int srcW, int srcH) const {
    if (!bitmap_ || w <= 0 || h <= 0) return;
    UniqueMemoryDc source(CreateCompatibleDC(dc));
    if (!source) return;
    ScopedSelectObject selected(source.get(), bitmap_.get());
    if (blended_) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(dc, x, y, w, h, source.get(), 0, 0, srcW, srcH, blend);
    } else if (w == srcW && h == srcH) {
        BitBlt(dc, x, y, w, h, source.get(), 0, 0, SRCCOPY);
    } else {
        const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, x, y, w, h, source.get(), 0, 0, srcW, srcH, SRCCOPY);
        SetStretchBltMode(dc, oldMode);
    }
}

void SkinBitmap::Draw(HDC dc, int x, int y) const { Blit(dc, x, y, width_, height_, width_, height_); }

void SkinBitmap::Stretch(HDC dc, const RECT& to) const {
    Blit(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, width_, height_);
}

}  // namespace qx
