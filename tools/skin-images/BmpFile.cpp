#include "BmpFile.h"

#include <stdexcept>

namespace qx::imagegen {

namespace {

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const RgbImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.rgb.size() != static_cast<size_t>(image.width) * image.height * 3) {
        throw std::invalid_argument("EncodeBmp: pixel data does not match the size");
    }
    const uint32_t rowBytes = (static_cast<uint32_t>(image.width) * 3 + 3) / 4 * 4;
    const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(image.height);
    constexpr uint32_t kHeaderBytes = 14 + 40;
    constexpr uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

    std::vector<uint8_t> out;
    out.reserve(kHeaderBytes + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutLe(out, kHeaderBytes + pixelBytes, 4);  // file size
    PutLe(out, 0, 4);                          // reserved
    PutLe(out, kHeaderBytes, 4);               // offset of the pixels
    PutLe(out, 40, 4);                         // info header size
    PutLe(out, static_cast<uint32_t>(image.width), 4);
    PutLe(out, static_cast<uint32_t>(image.height), 4);  // positive: bottom-up
    PutLe(out, 1, 2);                                    // planes
    PutLe(out, 24, 2);                                   // bits per pixel
    PutLe(out, 0, 4);                                    // BI_RGB
    PutLe(out, pixelBytes, 4);
    PutLe(out, kPixelsPerMetre, 4);
    PutLe(out, kPixelsPerMetre, 4);
    PutLe(out, 0, 4);  // colours used
    PutLe(out, 0, 4);  // important colours
    for (int y = image.height - 1; y >= 0; --y) {
        const uint8_t* row = image.rgb.data() + static_cast<size_t>(y) * image.width * 3;
        for (int x = 0; x < image.width; ++x) {
            out.push_back(row[x * 3 + 2]);
            out.push_back(row[x * 3 + 1]);
            out.push_back(row[x * 3]);
        }
        for (uint32_t pad = static_cast<uint32_t>(image.width) * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    return out;
}

}  // namespace qx::imagegen
