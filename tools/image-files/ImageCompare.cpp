#include "ImageCompare.h"

#include <cstdint>
#include <cstdlib>

namespace qx::imagefiles {

namespace {

bool ChannelsDiffer(const uint8_t* a, const uint8_t* b, int tolerance) {
    for (int c = 0; c < 3; ++c)
        if (std::abs(a[c] - b[c]) > tolerance) return true;
    return false;
}

}  // namespace

ImageDifference CompareImages(const RgbImage& expected, const RgbImage& actual, int channelTolerance) {
    ImageDifference difference;
    difference.sameSize = expected.width == actual.width && expected.height == actual.height &&
                          expected.rgb.size() == actual.rgb.size();
    difference.pixels = expected.rgb.size() / 3;
    if (!difference.sameSize) return difference;
    for (size_t i = 0; i < expected.rgb.size(); i += 3)
        if (ChannelsDiffer(&expected.rgb[i], &actual.rgb[i], channelTolerance)) ++difference.differingPixels;
    return difference;
}

RgbImage DifferencePicture(const RgbImage& expected, const RgbImage& actual, int channelTolerance) {
    RgbImage picture = expected;
    for (size_t i = 0; i + 2 < picture.rgb.size() && i + 2 < actual.rgb.size(); i += 3) {
        const bool differs = ChannelsDiffer(&expected.rgb[i], &actual.rgb[i], channelTolerance);
        for (int c = 0; c < 3; ++c)
            picture.rgb[i + c] = differs ? (c == 0 ? 255 : 0) : static_cast<uint8_t>(160 + expected.rgb[i + c] * 3 / 8);
    }
    return picture;
}

}  // namespace qx::imagefiles
