#pragma once
#include <string_view>

namespace qx {

// Whether a file name matches a file-system wildcard pattern as a folder search takes it:
// '*' stands for any run of characters, '?' for any one, letters compare without case.
bool MatchesFileWildcard(std::string_view pattern, std::string_view name);

}  // namespace qx
