#include "search/WildcardMatch.h"

namespace qx {

WildcardPattern::WildcardPattern(std::string_view pattern) {
    std::size_t pieceStart = 0;
    for (std::size_t i = 0; i <= pattern.size(); ++i) {
        if (i < pattern.size() && pattern[i] != '*') continue;
        if (i < pattern.size()) hasStar_ = true;
        if (i > pieceStart) pieces_.emplace_back(pattern.substr(pieceStart, i - pieceStart));
        pieceStart = i + 1;
    }
}

bool WildcardPattern::RestFollows(std::string_view text, std::size_t firstStart) const {
    std::size_t previous = firstStart;
    for (std::size_t i = 1; i < pieces_.size(); ++i) {
        const std::size_t at = text.find(pieces_[i], previous + 1);
        if (at == std::string_view::npos) return false;
        previous = at;
    }
    return true;
}

int WildcardPattern::Position(std::string_view text) const {
    if (pieces_.empty()) return hasStar_ ? 1 : 0;
    const std::size_t first = text.find(pieces_.front());
    if (first == std::string_view::npos || !RestFollows(text, first)) return 0;
    return static_cast<int>(first) + 1;
}

int WildcardPosition(std::string_view pattern, std::string_view text) {
    return WildcardPattern(pattern).Position(text);
}

}  // namespace qx
