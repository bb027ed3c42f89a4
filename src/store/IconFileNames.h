#pragma once
#include <array>
#include <string>
#include <string_view>

namespace qx {

// The icon sizes an entry may have files for, in the order their files are handled.
inline constexpr std::array<int, 4> kIconFileSizes{16, 24, 32, 48};

// The text made fit for a file name: each of \ : " / < > | * % @ becomes a Windows-1252
// character of its own (0x9F 0xA2 0xA5 0xCE 0xAB 0xDE 0xA6 0xBA 0xE6 0xE5), all others stay.
std::string SafeName(std::string_view text);

// The name of an entry's icon file in the icons folder: "nDr" (folder) or "nFl" followed by
// SafeName(key + size + ".ico").
std::string IconFileName(bool folder, std::string_view key, int size);

// The name the icon files had before the settings were versioned: "Dr" or "Fl" followed by
// SafeName(source + size + index + ".ico"), the index left out when it is 0.
std::string EarlierIconFileName(bool folder, std::string_view source, int size, int iconIndex);

// The source part of an earlier name: IconPath framed by the byte 0xFB around the Name when an
// icon file was given, otherwise the first non-empty of the resolved Value, the stored Value
// and the ID list.
std::string EarlierIconSource(std::string_view iconPath, std::string_view name, std::string_view resolvedValue,
                              std::string_view value, std::string_view idList);

}  // namespace qx
