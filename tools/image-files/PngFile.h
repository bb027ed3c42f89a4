#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

#include "RgbImage.h"

namespace qx::imagefiles {

// CRC-32 as PNG chunks use it (reflected polynomial 0xEDB88320). Pass the previous result
// as `crc` to continue over more bytes.
uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
// Adler-32 as the zlib stream inside a PNG ends with it.
uint32_t Adler32(const uint8_t* data, size_t size);

// A PNG file: 8-bit RGB, no interlace, each row with the filter that leaves the smallest
// differences, and one deflate block with the fixed Huffman codes and back-references found
// in a 32 KiB window. The same image always gives the same bytes.
std::vector<uint8_t> EncodePng(const RgbImage& image);

// What a PNG file this reader does not take is, or where it is broken.
class PngError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads an 8-bit RGB, non-interlaced PNG whose deflate stream has stored or fixed-Huffman
// blocks (what EncodePng writes), checking every chunk's CRC and the Adler-32. Anything
// else, and any damage, throws PngError saying what it met.
RgbImage DecodePng(std::span<const uint8_t> file);

}  // namespace qx::imagefiles
