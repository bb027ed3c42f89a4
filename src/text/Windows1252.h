#pragma once
#include <string>
#include <string_view>

namespace qx {

// Windows-1252 to UTF-16, for the calls that only take wide text (the logon, the password
// prompt). Every byte has a code point; the five unassigned ones keep their own value.
std::wstring WidenAnsi(std::string_view text);

// UTF-16 to Windows-1252; a character the code page lacks becomes '?'.
std::string NarrowToAnsi(std::wstring_view text);

}  // namespace qx
