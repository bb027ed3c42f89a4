#pragma once
#include <string>
#include <string_view>

namespace qx {

// The path with one '\' at its end; an empty path becomes "\" (the root of the current drive).
std::string WithTrailingBackslash(std::string_view path);
// The path without its last character when that is a '\': a view into path, so it must not
// outlive the text it was made from.
std::string_view WithoutTrailingBackslash(std::string_view path);
// Without leading and trailing blanks and control characters (every byte up to ' ').
std::string TrimBlanks(std::string_view text);

}  // namespace qx
