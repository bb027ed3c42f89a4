#pragma once
#include <array>
#include <cstddef>
#include <utility>

#include "skin/PixelImage.h"

namespace qx {

// Up to seven images, numbered 1 to 7 (the built-in row arrows are one such list). Images
// are never changed once made, so holding one is holding a copy; a number outside 1..7
// reads as no image and is not stored.
class BitmapList {
public:
    static constexpr int kCount = 7;

    const SkinImage& Bitmap(int number) const {
        static const SkinImage none;
        return Valid(number) ? images_[static_cast<std::size_t>(number - 1)] : none;
    }
    void SetBitmap(int number, SkinImage image) {
        if (Valid(number)) images_[static_cast<std::size_t>(number - 1)] = std::move(image);
    }

private:
    static bool Valid(int number) { return number >= 1 && number <= kCount; }
    std::array<SkinImage, kCount> images_;
};

}  // namespace qx
