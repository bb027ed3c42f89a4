#pragma once
#include <string>
#include <string_view>

namespace qx {

// The stored form of a shell ID list: each byte in upper-case hexadecimal without leading
// zeros ("0" for zero), separated by single blanks.
std::string IdListToText(std::string_view bytes);

// Reads the stored form back. The text is cut into pieces after each blank; pieces that are
// blank after trimming are skipped, so two blanks between numbers still give two bytes. The
// first piece that is not a hexadecimal byte ends the reading: the bytes before it are kept
// (the shell checks the list's structure before it is ever used).
std::string TextToIdList(std::string_view text);

}  // namespace qx
