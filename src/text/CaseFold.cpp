#include "text/CaseFold.h"

#include <array>

namespace qx {
namespace {

constexpr std::array<unsigned char, 256> MakeFoldTable() {
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
    for (int c = 'A'; c <= 'Z'; ++c) table[c] = static_cast<unsigned char>(c + 0x20);
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7) table[c] = static_cast<unsigned char>(c + 0x20);
    }
    table[0x8A] = 0x9A;
    table[0x8C] = 0x9C;
    table[0x8E] = 0x9E;
    table[0x9F] = 0xFF;
    return table;
}

constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

}  // namespace

unsigned char FoldCase(unsigned char c) { return kFold[c]; }

int CompareText(std::string_view a, std::string_view b) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const int fa = kFold[static_cast<unsigned char>(a[i])];
        const int fb = kFold[static_cast<unsigned char>(b[i])];
        if (fa != fb) return fa - fb;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (kFold[static_cast<unsigned char>(a[i])] != kFold[static_cast<unsigned char>(b[i])]) return false;
    }
    return true;
}

std::string FoldedText(std::string_view text) {
    std::string folded;
    AppendFolded(folded, text);
    return folded;
}

void AppendFolded(std::string& out, std::string_view text) {
    const size_t at = out.size();
    out.resize(at + text.size());
    for (size_t i = 0; i < text.size(); ++i) out[at + i] = static_cast<char>(kFold[static_cast<unsigned char>(text[i])]);
}

}  // namespace qx
