#include "PngFile.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace qx::imagefiles {

namespace {

constexpr std::array<uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr int kBytesPerPixel = 3;
// Larger sides are no screenshot or skin image; the limit keeps a damaged header from
// asking for gigabytes.
constexpr uint32_t kMaxSide = 16384;

// Deflate's length and distance codes: the first value of each code and its extra bits.
constexpr std::array<uint16_t, 29> kLengthBase{3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                               31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<uint8_t, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                               2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<uint16_t, 30> kDistanceBase{1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                                                 33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                                                 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<uint8_t, 30> kDistanceExtra{0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr size_t kWindow = 32768;
constexpr size_t kMinMatch = 3;
constexpr size_t kMaxMatch = 258;
// How many earlier places with the same three bytes are tried: enough for flat screens and
// gradients, and it keeps a noisy image from taking long.
constexpr int kMaxChain = 64;
constexpr int kHashBits = 15;

std::array<uint32_t, 256> MakeCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

void PutBe32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

uint32_t Be32(const uint8_t* bytes) {
    return uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
}

void PutChunk(std::vector<uint8_t>& out, std::string_view type, const std::vector<uint8_t>& data) {
    PutBe32(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    PutBe32(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

int Paeth(int left, int up, int upLeft) {
    const int p = left + up - upLeft;
    const int toLeft = std::abs(p - left), toUp = std::abs(p - up), toUpLeft = std::abs(p - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft) return left;
    return toUp <= toUpLeft ? up : upLeft;
}

// The predictor of PNG filter `type` for byte i of a row, from the bytes already known.
int Predict(int type, const uint8_t* row, const uint8_t* previous, size_t i) {
    const int left = i >= kBytesPerPixel ? row[i - kBytesPerPixel] : 0;
    const int up = previous ? previous[i] : 0;
    const int upLeft = previous && i >= kBytesPerPixel ? previous[i - kBytesPerPixel] : 0;
    switch (type) {
        case 1: return left;
        case 2: return up;
        case 3: return (left + up) / 2;
        case 4: return Paeth(left, up, upLeft);
        default: return 0;
    }
}

// Writes bits least significant first, as deflate packs them.
class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}
    void Put(uint32_t value, int count) {
        bits_ |= value << used_;
        used_ += count;
        for (; used_ >= 8; used_ -= 8, bits_ >>= 8) out_.push_back(static_cast<uint8_t>(bits_));
    }
    // Huffman codes go most significant bit first.
    void PutCode(uint32_t code, int length) {
        uint32_t reversed = 0;
        for (int i = 0; i < length; ++i) reversed |= ((code >> i) & 1) << (length - 1 - i);
        Put(reversed, length);
    }
    void Flush() {
        if (used_ > 0) out_.push_back(static_cast<uint8_t>(bits_));
        bits_ = 0;
        used_ = 0;
    }

private:
    std::vector<uint8_t>& out_;
    uint32_t bits_ = 0;
    int used_ = 0;
};

void PutLiteralOrLength(BitWriter& out, int symbol) {
    if (symbol < 144) out.PutCode(0x30 + symbol, 8);
    else if (symbol < 256) out.PutCode(0x190 + symbol - 144, 9);
    else if (symbol < 280) out.PutCode(symbol - 256, 7);
    else out.PutCode(0xC0 + symbol - 280, 8);
}

template <size_t N>
size_t CodeOf(const std::array<uint16_t, N>& base, size_t value) {
    return static_cast<size_t>(std::upper_bound(base.begin(), base.end(), value) - base.begin()) - 1;
}

void PutMatch(BitWriter& out, size_t length, size_t distance) {
    const size_t lengthCode = CodeOf(kLengthBase, length);
    PutLiteralOrLength(out, static_cast<int>(257 + lengthCode));
    out.Put(static_cast<uint32_t>(length - kLengthBase[lengthCode]), kLengthExtra[lengthCode]);
    const size_t distanceCode = CodeOf(kDistanceBase, distance);
    out.PutCode(static_cast<uint32_t>(distanceCode), 5);
    out.Put(static_cast<uint32_t>(distance - kDistanceBase[distanceCode]), kDistanceExtra[distanceCode]);
}

// One final deflate block with the fixed codes; greedy matching over hash chains.
void Deflate(const std::vector<uint8_t>& data, BitWriter& out) {
    out.Put(1, 1);  // BFINAL
    out.Put(1, 2);  // BTYPE 01: fixed Huffman codes
    const size_t size = data.size();
    std::vector<int32_t> head(size_t{1} << kHashBits, -1);
    std::vector<int32_t> previous(size, -1);
    const auto remember = [&](size_t at) {
        if (at + kMinMatch > size) return;
        const size_t hash = (data[at] << 10 ^ data[at + 1] << 5 ^ data[at + 2]) & ((size_t{1} << kHashBits) - 1);
        previous[at] = head[hash];
        head[hash] = static_cast<int32_t>(at);
    };
    for (size_t at = 0; at < size;) {
        size_t bestLength = 0, bestDistance = 0;
        if (at + kMinMatch <= size) {
            const size_t hash = (data[at] << 10 ^ data[at + 1] << 5 ^ data[at + 2]) & ((size_t{1} << kHashBits) - 1);
            const size_t longest = std::min(kMaxMatch, size - at);
            int tries = kMaxChain;
            for (int32_t candidate = head[hash]; candidate >= 0 && at - candidate <= kWindow && tries-- > 0;
                 candidate = previous[candidate]) {
                size_t length = 0;
                while (length < longest && data[candidate + length] == data[at + length]) ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = at - candidate;
                    if (length == longest) break;
                }
            }
        }
        if (bestLength >= kMinMatch) {
            PutMatch(out, bestLength, bestDistance);
            for (size_t end = at + bestLength; at < end; ++at) remember(at);
        } else {
            PutLiteralOrLength(out, data[at]);
            remember(at++);
        }
    }
    PutLiteralOrLength(out, 256);
    out.Flush();
}

// The scan lines, each led by the filter whose output sums to the least (bytes read as
// signed): the usual choice, good for flat areas and gradients alike.
std::vector<uint8_t> FilteredRows(const RgbImage& image) {
    const size_t rowBytes = static_cast<size_t>(image.width) * kBytesPerPixel;
    std::vector<uint8_t> raw;
    raw.reserve((rowBytes + 1) * image.height);
    std::vector<uint8_t> candidate(rowBytes), best(rowBytes);
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* row = image.rgb.data() + y * rowBytes;
        const uint8_t* previous = y > 0 ? row - rowBytes : nullptr;
        long bestCost = -1;
        int bestType = 0;
        for (int type = 0; type <= 4; ++type) {
            long cost = 0;
            for (size_t i = 0; i < rowBytes; ++i) {
                candidate[i] = static_cast<uint8_t>(row[i] - Predict(type, row, previous, i));
                cost += std::abs(static_cast<int8_t>(candidate[i]));
            }
            if (bestCost < 0 || cost < bestCost) {
                bestCost = cost;
                bestType = type;
                best.swap(candidate);
            }
        }
        raw.push_back(static_cast<uint8_t>(bestType));
        raw.insert(raw.end(), best.begin(), best.end());
    }
    return raw;
}

// Reads bits least significant first; running past the end is damage.
class BitReader {
public:
    explicit BitReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    uint32_t Bits(int count) {
        uint32_t value = 0;
        for (int i = 0; i < count; ++i, ++bit_) {
            if (bit_ / 8 >= bytes_.size()) throw PngError("the compressed image data ends early");
            value |= ((bytes_[bit_ / 8] >> (bit_ % 8)) & 1u) << i;
        }
        return value;
    }
    // The next bits as a Huffman code (most significant first), extended by `count` bits.
    uint32_t MoreCode(uint32_t code, int count) {
        for (int i = 0; i < count; ++i) code = code << 1 | Bits(1);
        return code;
    }
    void SkipToByte() { bit_ = (bit_ + 7) / 8 * 8; }
    size_t BytePosition() const { return bit_ / 8; }

private:
    std::span<const uint8_t> bytes_;
    size_t bit_ = 0;
};

int ReadLiteralOrLength(BitReader& in) {
    uint32_t code = in.MoreCode(0, 7);
    if (code <= 23) return static_cast<int>(256 + code);
    code = in.MoreCode(code, 1);
    if (code >= 0x30 && code <= 0xBF) return static_cast<int>(code - 0x30);
    if (code >= 0xC0 && code <= 0xC7) return static_cast<int>(280 + code - 0xC0);
    code = in.MoreCode(code, 1);
    return static_cast<int>(144 + code - 0x190);
}

// The inflated stream, which must hold exactly `expected` bytes.
std::vector<uint8_t> Inflate(BitReader& in, size_t expected) {
    std::vector<uint8_t> out;
    const auto room = [&](size_t count) {
        if (count > expected - out.size()) throw PngError("the image data holds more bytes than the image has");
    };
    for (bool last = false; !last;) {
        last = in.Bits(1) == 1;
        const uint32_t type = in.Bits(2);
        if (type == 0) {
            in.SkipToByte();
            const uint32_t length = in.Bits(16);
            if ((length ^ in.Bits(16)) != 0xFFFF) throw PngError("a stored block's length does not match its check");
            room(length);
            for (uint32_t i = 0; i < length; ++i) out.push_back(static_cast<uint8_t>(in.Bits(8)));
        } else if (type == 1) {
            for (int symbol = ReadLiteralOrLength(in); symbol != 256; symbol = ReadLiteralOrLength(in)) {
                if (symbol < 256) {
                    room(1);
                    out.push_back(static_cast<uint8_t>(symbol));
                    continue;
                }
                if (symbol > 285) throw PngError("the image data has an invalid length code");
                const size_t code = static_cast<size_t>(symbol - 257);
                const size_t length = kLengthBase[code] + in.Bits(kLengthExtra[code]);
                const uint32_t distanceCode = in.MoreCode(0, 5);
                if (distanceCode >= kDistanceBase.size()) throw PngError("the image data has an invalid distance code");
                const size_t distance = kDistanceBase[distanceCode] + in.Bits(kDistanceExtra[distanceCode]);
                if (distance > out.size()) throw PngError("the image data refers back before its start");
                room(length);
                for (size_t i = 0; i < length; ++i) out.push_back(out[out.size() - distance]);
            }
        } else if (type == 2) {
            throw PngError("the image data uses dynamic Huffman codes, which this reader does not read");
        } else {
            throw PngError("the image data has an invalid block type");
        }
    }
    if (out.size() != expected) {
        throw PngError("the image data holds " + std::to_string(out.size()) + " bytes, the image needs " +
                       std::to_string(expected));
    }
    return out;
}

struct Header {
    uint32_t width = 0;
    uint32_t height = 0;
};

Header ReadHeader(std::span<const uint8_t> data) {
    if (data.size() != 13) throw PngError("the IHDR chunk is not 13 bytes long");
    const Header header{Be32(data.data()), Be32(data.data() + 4)};
    if (header.width == 0 || header.height == 0 || header.width > kMaxSide || header.height > kMaxSide)
        throw PngError("the image size " + std::to_string(header.width) + " x " + std::to_string(header.height) +
                       " is out of range");
    if (data[8] != 8 || data[9] != 2)
        throw PngError("only 8-bit RGB images are read (this one has bit depth " + std::to_string(data[8]) +
                       ", colour type " + std::to_string(data[9]) + ")");
    if (data[10] != 0 || data[11] != 0) throw PngError("unknown compression or filter method");
    if (data[12] != 0) throw PngError("interlaced images are not read");
    return header;
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc) {
    static const std::array<uint32_t, 256> table = MakeCrcTable();
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t Adler32(const uint8_t* data, size_t size) {
    constexpr uint32_t kModulus = 65521;
    uint32_t a = 1;
    uint32_t b = 0;
    for (size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % kModulus;
        b = (b + a) % kModulus;
    }
    return (b << 16) | a;
}

std::vector<uint8_t> EncodePng(const RgbImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.rgb.size() != static_cast<size_t>(image.width) * image.height * kBytesPerPixel) {
        throw std::invalid_argument("EncodePng: pixel data does not match the size");
    }
    const std::vector<uint8_t> raw = FilteredRows(image);
    // zlib: header 0x78 0x01 (deflate, 32 KiB window, check bits), the block, Adler-32.
    std::vector<uint8_t> zlib{0x78, 0x01};
    BitWriter bits(zlib);
    Deflate(raw, bits);
    PutBe32(zlib, Adler32(raw.data(), raw.size()));

    std::vector<uint8_t> header;
    PutBe32(header, static_cast<uint32_t>(image.width));
    PutBe32(header, static_cast<uint32_t>(image.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // depth 8, RGB, deflate, filter 0, no interlace

    std::vector<uint8_t> out(kSignature.begin(), kSignature.end());
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", zlib);
    PutChunk(out, "IEND", {});
    return out;
}

RgbImage DecodePng(std::span<const uint8_t> file) {
    if (file.size() < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), file.begin()))
        throw PngError("not a PNG file (no PNG signature)");
    std::optional<Header> header;
    std::vector<uint8_t> zlib;
    for (size_t at = kSignature.size();;) {
        if (file.size() - at < 12) throw PngError("the file ends inside a chunk, before IEND");
        const uint32_t length = Be32(&file[at]);
        if (length > file.size() - at - 12) throw PngError("a chunk runs past the end of the file");
        const std::string type(file.begin() + at + 4, file.begin() + at + 8);
        if (Crc32(&file[at + 4], length + 4) != Be32(&file[at + 8 + length]))
            throw PngError("the CRC of chunk " + type + " does not match");
        const std::span<const uint8_t> data = file.subspan(at + 8, length);
        at += 12 + length;
        if (!header && type != "IHDR") throw PngError("the first chunk is " + type + ", not IHDR");
        if (type == "IHDR") header = ReadHeader(data);
        else if (type == "IDAT") zlib.insert(zlib.end(), data.begin(), data.end());
        else if (type == "IEND") break;
        // A chunk whose name starts with a capital letter is needed to show the image.
        else if (type[0] >= 'A' && type[0] <= 'Z') throw PngError("unknown chunk " + type + " is needed to read it");
    }
    if (zlib.size() < 6) throw PngError("the file has no image data");
    if ((zlib[0] & 0x0F) != 8 || (zlib[0] >> 4) > 7 || (zlib[0] * 256 + zlib[1]) % 31 != 0 || (zlib[1] & 0x20) != 0)
        throw PngError("the image data does not start with a zlib header");

    const size_t rowBytes = size_t{header->width} * kBytesPerPixel;
    BitReader bits(std::span<const uint8_t>(zlib).subspan(2));
    std::vector<uint8_t> raw = Inflate(bits, (rowBytes + 1) * header->height);
    bits.SkipToByte();
    const size_t adlerAt = 2 + bits.BytePosition();
    if (zlib.size() - adlerAt < 4 || Be32(&zlib[adlerAt]) != Adler32(raw.data(), raw.size()))
        throw PngError("the Adler-32 of the image data does not match");

    RgbImage image{static_cast<int>(header->width), static_cast<int>(header->height), {}};
    image.rgb.resize(rowBytes * header->height);
    for (size_t y = 0; y < header->height; ++y) {
        const uint8_t type = raw[y * (rowBytes + 1)];
        if (type > 4) throw PngError("row " + std::to_string(y) + " has the unknown filter type " + std::to_string(type));
        const uint8_t* filtered = &raw[y * (rowBytes + 1) + 1];
        uint8_t* row = &image.rgb[y * rowBytes];
        const uint8_t* previous = y > 0 ? row - rowBytes : nullptr;
        for (size_t i = 0; i < rowBytes; ++i) row[i] = static_cast<uint8_t>(filtered[i] + Predict(type, row, previous, i));
    }
    return image;
}

}  // namespace qx::imagefiles
