#pragma once
#include <cstddef>

#include "RgbImage.h"

namespace qx::imagefiles {

struct ImageDifference {
    bool sameSize = false;
    size_t differingPixels = 0;  // with a channel off by more than the tolerance
    size_t pixels = 0;           // of the expected image
};

// How far two pictures of the same thing differ: the pixels with a channel off by more than
// channelTolerance (nothing counted when the sizes differ).
ImageDifference CompareImages(const RgbImage& expected, const RgbImage& actual, int channelTolerance);

// The expected image faded, with every pixel beyond the tolerance in pure red: where to look.
// The images must have the same size.
RgbImage DifferencePicture(const RgbImage& expected, const RgbImage& actual, int channelTolerance);

}  // namespace qx::imagefiles
