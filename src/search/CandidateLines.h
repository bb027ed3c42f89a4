#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "search/FastFind.h"
#include "search/WildcardMatch.h"

namespace qx {

// Candidate lines held back to back, folded in one buffer and as given in another, so that a
// search is one scan of contiguous memory instead of a walk over scattered entries.
class CandidateLines {
public:
    CandidateLines() { Clear(); }

    void Clear();
    void Reserve(std::size_t lines, std::size_t bytes);
    // Appends the line made of the parts, in order.
    void AddLine(std::string_view part1, std::string_view part2 = {}, std::string_view part3 = {});

    std::size_t Count() const { return starts_.size() - 1; }
    // The folded line.
    std::string_view Line(std::size_t index) const {
        return std::string_view(text_.data() + starts_[index], starts_[index + 1] - starts_[index]);
    }
    // The line as given.
    std::string_view RawLine(std::size_t index) const {
        return std::string_view(raw_.data() + starts_[index], starts_[index + 1] - starts_[index]);
    }
    std::size_t Bytes() const { return starts_.back(); }

    // Calls onMatch(index, position) for every line the pattern (already folded) matches, in
    // line order, with WildcardPattern::Position's result.
    template <class OnMatch>
    void Scan(const WildcardPattern& pattern, OnMatch&& onMatch) const;

private:
    std::string text_;                  // the folded lines, then kFindPadding zero bytes
    std::string raw_;                   // the lines as given
    std::vector<std::uint32_t> starts_; // Count() + 1 offsets; line i is [starts_[i], starts_[i+1])
};

template <class OnMatch>
void CandidateLines::Scan(const WildcardPattern& pattern, OnMatch&& onMatch) const {
    const std::size_t count = Count();
    if (pattern.Pieces().empty()) {
        if (pattern.HasStar()) {
            for (std::size_t i = 0; i < count; ++i) onMatch(i, 1);
        }
        return;
    }
    // Find a piece anywhere from the current line on; every line before the hit has no
    // occurrence at all. A hit that runs over its line's end rules that line out too, since
    // any later occurrence in it would end even further out. With several pieces the longest
    // one is looked for (it rejects the most lines) and each line holding it is matched whole.
    const std::vector<std::string>& pieces = pattern.Pieces();
    std::size_t sought = 0;
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        if (pieces[i].size() > pieces[sought].size()) sought = i;
    }
    const std::string& piece = pieces[sought];
    const bool single = pieces.size() == 1;
    const std::size_t end = starts_.back();
    std::size_t line = 0;
    while (line < count) {
        const std::size_t at = FindPadded(text_.data(), starts_[line], end, piece);
        if (at == std::string_view::npos) return;
        while (starts_[line + 1] <= at) ++line;
        const std::size_t lineStart = starts_[line];
        const std::size_t lineEnd = starts_[line + 1];
        if (at + piece.size() <= lineEnd) {
            if (single) {
                onMatch(line, static_cast<int>(at - lineStart) + 1);
            } else if (const int position = pattern.Position(Line(line))) {
                onMatch(line, position);
            }
        }
        ++line;
    }
}

}  // namespace qx
