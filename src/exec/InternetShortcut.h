#pragma once
#include <optional>
#include <string_view>

#include "exec/ShellLink.h"

namespace qx {

// The largest ".url" file read; real ones hold a few hundred bytes.
inline constexpr std::size_t kMaxInternetShortcutBytes = 1 << 20;

// Reads the text of an Internet shortcut (".url"): name=value lines, the first line of a name
// wins, names compare without regard to case, section headers and other lines are ignored.
// Fills url, workingDirectory, iconFile and the numbers showCommand, iconIndex and hotKey
// (decimal; empty or malformed reads as 0). Nothing when there is no address.
std::optional<ShellLink> ParseInternetShortcut(std::string_view text);

}  // namespace qx
