#pragma once
#include "platform/win32/Win32Api.h"

#include <cstdint>

#include "platform/win32/UniqueHandle.h"
#include "skin/PixelImage.h"

namespace qx {

// A skin image as a 32-bit top-down DIB section, ready to draw. Opaque bitmaps are copied with
// BitBlt/StretchBlt; colour-keyed ones carry an alpha of 0 or 255 and
// go through AlphaBlend.
class SkinBitmap {
public:
    SkinBitmap() = default;
    // An opaque copy of the image; empty for an image of no pixels or a size that does not
    // match its buffer.
    static SkinBitmap Opaque(const PixelImage& image);
    // Pixels of exactly `keyRgb` (0x00RRGGBB, as in PixelImage) are not drawn.
    static SkinBitmap ColourKeyed(const PixelImage& image, std::uint32_t keyRgb);

    explicit operator bool() const { return static_cast<bool>(bitmap_); }
    HBITMAP get() const { return bitmap_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }

    // Unscaled with its top-left at (x, y).
    void Draw(HDC dc, int x, int y) const;
    // The whole image stretched over `to`.
    void Stretch(HDC dc, const RECT& to) const;

private:
    static SkinBitmap Make(const PixelImage& image, bool blended);
    void Blit(HDC dc, int x, int y, int w, int h, int srcW, int srcH) const;

    UniqueBitmap bitmap_;
    int width_ = 0;
    int height_ = 0;
    bool blended_ = false;
};

// A 32-bit top-down DIB section holding exactly these pixels; null for an empty or
// inconsistent image.
UniqueBitmap MakeDibSection(const PixelImage& image);
// The pixels of any bitmap as 32-bit top-down 0xAARRGGBB; the alpha bytes are what the
// bitmap holds (0 for a device bitmap). Empty when the bitmap cannot be read.
PixelImage ReadBitmapPixels(HBITMAP bitmap);

}  // namespace qx
