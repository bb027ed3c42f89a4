// The bitmap reader on arbitrary bytes, as a file and as a resource: it must not crash or read
// out of bounds, a success must be a whole opaque image within the size limit, and a refusal
// must say why.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "skin/BmpImage.h"

static void Check(const qx::DecodedBitmap& decoded) {
    if (!decoded) {
        if (decoded.error.empty()) std::abort();
        return;
    }
    const qx::PixelImage& image = *decoded.image;
    if (image.width < 1 || image.height < 1 || image.width > qx::kMaxBitmapSide || image.height > qx::kMaxBitmapSide ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        std::abort();
    for (std::uint32_t pixel : image.pixels)
        if (pixel >> 24 != 0xFF) std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(qx::DecodeBmpFile(bytes));
    Check(qx::DecodeDib(bytes));
    return 0;
}
