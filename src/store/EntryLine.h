#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "store/Entry.h"

namespace qx {

// The one-line form of an entry in Files.txt: the 13 columns joined by "|". When any
// column holds "|" or "%", every "|" inside a column is written "%|", every "%" is written
// "%%" and the line starts with "%_ESC_%"; without that prefix "%" is an ordinary character.

std::string FormatEntryLine(const Entry& entry);
// Appends the line (without a line end) to out; saves a string per line when writing a file.
void AppendEntryLine(std::string& out, const Entry& entry);
// Never fails: missing columns are empty, bad integers 0, columns past the 13th ignored.
// The new entry is in icon state NotLoaded.
std::unique_ptr<Entry> ParseEntryLine(std::string_view line);

// An integer column: an optional sign and one or more decimal digits whose value fits in
// 32 bits; anything else (empty, blanks, hex, overflow) reads as 0.
int ParseEntryInteger(std::string_view text);

}  // namespace qx
