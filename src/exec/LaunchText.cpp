#include "exec/LaunchText.h"

#include <array>

namespace qx {

std::string CommandProgram(std::string_view text, const PathExpander& expand) {
    const std::string_view program = text.substr(0, text.find(' '));
    return expand ? expand(program) : std::string(program);
}

std::string CommandArguments(std::string_view text) {
    const auto blank = text.find(' ');
    if (blank == std::string_view::npos) return {};
    return std::string(text.substr(blank + 1));
}

std::string StripKindPrefix(std::string_view text, bool keepUnmarked) {
    if (text.starts_with(kUrlMarker) || text.starts_with(kCommandMarker)) {
        // Both markers end in their first blank.
        return std::string(text.substr(text.find(' ') + 1));
    }
    return keepUnmarked ? std::string(text) : std::string();
}

std::string EncodeUrlSpaces(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == ' ') {
            out += "%20";
        } else {
            out += c;
        }
    }
    return out;
}

std::string BrowserUrlArgument(std::string_view url, std::string_view browserPath) {
    std::string lower(browserPath);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    }
    if (lower.find("firefox.exe") == std::string::npos) return std::string(url);
    if (url.starts_with("http://")) return std::string(url.substr(7));
    if (url.starts_with("https://")) return std::string(url.substr(8));
    return std::string(url);
}

std::string Quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out.push_back('"');
    out.append(text);
    out.push_back('"');
    return out;
}

std::string FolderPart(std::string_view path) {
    const auto last = path.find_last_of("\\:");
    if (last == std::string_view::npos) return {};
    return std::string(path.substr(0, last + 1));
}

}  // namespace qx
