#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "RgbImage.h"

namespace qx::imagegen {

// CRC-32 as PNG chunks use it (reflected polynomial 0xEDB88320). Pass the previous result
// as `crc` to continue over more bytes.
uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
// Adler-32 as the zlib stream inside a PNG ends with it.
uint32_t Adler32(const uint8_t* data, size_t size);

// A PNG file: 8-bit RGB, no interlace, filter 0 on every row, and a zlib stream made of
// stored (uncompressed) deflate blocks of at most 65535 bytes.
std::vector<uint8_t> EncodePng(const RgbImage& image);

}  // namespace qx::imagegen
