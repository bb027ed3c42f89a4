#include "text/Windows1252.h"

#include <algorithm>
#include <iterator>

namespace qx {
namespace {

// Bytes 0x80..0x9F; every other byte is the code point of the same value.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::wstring WidenAnsi(std::string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        wide.push_back(byte >= 0x80 && byte < 0xA0 ? static_cast<wchar_t>(kHigh[byte - 0x80]) : static_cast<wchar_t>(byte));
    }
    return wide;
}

std::string NarrowToAnsi(std::wstring_view text) {
    std::string narrow;
    narrow.reserve(text.size());
    for (const wchar_t w : text) {
        if ((w < 0x80 || w >= 0xA0) && w < 0x100) {
            narrow.push_back(static_cast<char>(w));
            continue;
        }
        const auto* found = std::find(std::begin(kHigh), std::end(kHigh), static_cast<char16_t>(w));
        narrow.push_back(found != std::end(kHigh) ? static_cast<char>(0x80 + (found - kHigh)) : '?');
    }
    return narrow;
}

}  // namespace qx
