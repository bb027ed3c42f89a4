#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

// A pattern split at every '*' into the pieces that must occur in order. Matching is a plain,
// case-sensitive byte search: callers fold both sides first (SearchFold).
//
// Each piece after the first is searched from one byte after the START of the previous
// piece's match, so pieces may overlap: "ab*b" matches "ab".
class WildcardPattern {
public:
    explicit WildcardPattern(std::string_view pattern);

    // 0 for no match, else the 1-based position of the first piece's first occurrence.
    // A pattern of stars alone gives 1 for every text; an empty pattern gives 0.
    int Position(std::string_view text) const;

    bool HasStar() const { return hasStar_; }
    // Non-empty pieces, left to right.
    const std::vector<std::string>& Pieces() const { return pieces_; }
    bool MatchesEverything() const { return pieces_.empty() && hasStar_; }

private:
    // Whether the pieces after the first all follow a first piece found at firstStart.
    bool RestFollows(std::string_view text, std::size_t firstStart) const;

    std::vector<std::string> pieces_;
    bool hasStar_ = false;
};

// The matcher on one text: WildcardPattern(pattern).Position(text).
int WildcardPosition(std::string_view pattern, std::string_view text);

}  // namespace qx
