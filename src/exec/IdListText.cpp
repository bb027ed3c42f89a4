#include "exec/IdListText.h"

#include "exec/LaunchText.h"
#include "text/PathText.h"

namespace qx {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The byte a piece names, or -1 when it is no hexadecimal number up to FF.
int HexByte(const std::string& piece) {
    int value = 0;
    for (char c : piece) {
        const int digit = HexDigit(c);
        if (digit < 0) return -1;
        value = value * 16 + digit;
        if (value > 0xFF) return -1;
    }
    return value;
}

}  // namespace

std::string IdListToText(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (unsigned char byte : bytes) {
        if (!text.empty()) text += ' ';
        if (byte >= 0x10) text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::string TextToIdList(std::string_view text) {
    std::string bytes;
    while (!text.empty()) {
        const std::size_t blank = text.find(' ');
        const std::size_t length = blank == std::string_view::npos ? text.size() : blank + 1;
        const std::string piece = TrimBlanks(text.substr(0, length));
        text.remove_prefix(length);
        if (piece.empty()) continue;
        const int byte = HexByte(piece);
        if (byte < 0) break;
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

}  // namespace qx
