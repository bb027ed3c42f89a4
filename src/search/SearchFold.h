#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qx {

// The case folding of the matcher, applied to both the pattern and the candidate line.
//
// Only A-Z and the bytes 0xC4-0xDC are raised by 0x20: the German capitals fold, while
// 0xC0-0xC3, 0xDD and 0xDE stay as they are and 0xD7 becomes 0xF7. This is narrower than
// the store's name ordering (store/CaseFold.h) on purpose: the two must not be mixed, so
// the matcher's fold has its own name.

namespace detail {
constexpr std::array<unsigned char, 256> MakeSearchFoldTable() {
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
    for (int c = 'A'; c <= 'Z'; ++c) table[c] = static_cast<unsigned char>(c + 0x20);
    for (int c = 0xC4; c <= 0xDC; ++c) table[c] = static_cast<unsigned char>(c + 0x20);
    return table;
}
}  // namespace detail

inline constexpr std::array<unsigned char, 256> kSearchFold = detail::MakeSearchFoldTable();

inline char SearchFoldByte(char c) {
    return static_cast<char>(kSearchFold[static_cast<unsigned char>(c)]);
}

// Writes the folded bytes of text to out, which must hold text.size() bytes.
void SearchFoldInto(std::string_view text, char* out);
std::string SearchFold(std::string_view text);

}  // namespace qx
