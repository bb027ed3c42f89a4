#include "skin/TextFit.h"


namespace qx {

std::string TruncateEnd(std::string text, int width, const TextWidth& measure) {
    bool shortened = false;
    while (!text.empty() && measure(text + "..") > width) {
        text.pop_back();
        shortened = true;
    }
    if (shortened) text += "..";
    return text;
}

std::string TruncateFront(std::string text, int width, const TextWidth& measure) {
    if (text.size() <= 2 || measure(text) <= width) return text;
    std::size_t first = 0;
    while (text.size() - first > 2 && measure(".." + text.substr(first)) > width) ++first;
    return ".." + text.substr(first);
}

std::string SizeText(FileSizeState state, std::uint32_t bytes, char thousandsSeparator) {
    switch (state) {
    case FileSizeState::NotAFile: return {};
    case FileSizeState::Unreadable: return "na";
    case FileSizeState::Known: break;
    }
    if (bytes == 0) return "0KB";
    if (bytes < 1024) return "1KB";
    // Whole kilobytes, a remainder of half a kilobyte or more rounding up.
    const std::uint64_t rounded = (static_cast<std::uint64_t>(bytes) + 512) / 1024;
    std::string digits = std::to_string(rounded);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += thousandsSeparator;
        grouped += digits[i];
    }
    if (grouped.size() < 3) grouped.insert(0, 3 - grouped.size(), ' ');
    return grouped + " KB";
}

}  // namespace qx
