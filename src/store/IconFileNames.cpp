#include "store/IconFileNames.h"

namespace qx {

std::string SafeName(std::string_view text) {
    std::string safe;
    safe.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\\': safe += '\x9F'; break;
            case ':': safe += '\xA2'; break;
            case '"': safe += '\xA5'; break;
            case '/': safe += '\xCE'; break;
            case '<': safe += '\xAB'; break;
            case '>': safe += '\xDE'; break;
            case '|': safe += '\xA6'; break;
            case '*': safe += '\xBA'; break;
            case '%': safe += '\xE6'; break;
            case '@': safe += '\xE5'; break;
            default: safe += c;
        }
    }
    return safe;
}

std::string IconFileName(bool folder, std::string_view key, int size) {
    return (folder ? "nDr" : "nFl") + SafeName(std::string(key) + std::to_string(size) + ".ico");
}

std::string EarlierIconFileName(bool folder, std::string_view source, int size, int iconIndex) {
    std::string name = std::string(source) + std::to_string(size);
    if (iconIndex != 0) name += std::to_string(iconIndex);
    return (folder ? "Dr" : "Fl") + SafeName(name + ".ico");
}

std::string EarlierIconSource(std::string_view iconPath, std::string_view name, std::string_view resolvedValue,
                              std::string_view value, std::string_view idList) {
    if (!iconPath.empty()) return std::string(iconPath) + '\xFB' + std::string(name) + '\xFB';
    if (!resolvedValue.empty()) return std::string(resolvedValue);
    if (!value.empty()) return std::string(value);
    return std::string(idList);
}

}  // namespace qx
