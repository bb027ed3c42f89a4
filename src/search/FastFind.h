#pragma once
#include <cstddef>
#include <string_view>

namespace qx {

// Bytes that must stay readable (and initialised) past `end` for FindPadded: the scan loads
// whole 16-byte blocks and may run over the end of the searched range.
inline constexpr std::size_t kFindPadding = 32;

// Offset of the first occurrence of needle that starts at or after `from` and ends at or
// before `end`; std::string_view::npos when there is none or needle is empty.
std::size_t FindPadded(const char* data, std::size_t from, std::size_t end, std::string_view needle);

}  // namespace qx
