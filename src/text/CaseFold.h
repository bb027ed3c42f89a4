#pragma once
#include <string>
#include <string_view>

namespace qx {

// Case-insensitive text comparison for ANSI (Windows-1252) strings.
//
// Every byte is folded to lower case by a fixed table: ASCII A-Z, the Latin-1 capitals
// 0xC0-0xDE (except the multiplication sign 0xD7), and the four Windows-1252 extras
// S caron (0x8A), OE (0x8C), Z caron (0x8E) and Y diaeresis (0x9F). The folded bytes then compare as unsigned
// values. Unlike the locale-aware comparison of the OS this is the same on every machine,
// so a sorted Files.txt reads back in the same order everywhere; blanks (0x20) still sort
// before digits and letters, which keeps folder and drive names at the top.

unsigned char FoldCase(unsigned char c);
// Negative, zero or positive, as strcmp.
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
// The folded copy of text; comparing two folded copies byte-wise equals CompareText.
std::string FoldedText(std::string_view text);
void AppendFolded(std::string& out, std::string_view text);

}  // namespace qx
