#include "search/CandidateLines.h"

#include <algorithm>

#include "search/SearchFold.h"

namespace qx {

void CandidateLines::Clear() {
    text_.assign(kFindPadding, '\0');
    raw_.clear();
    starts_.assign(1, 0);
}

void CandidateLines::Reserve(std::size_t lines, std::size_t bytes) {
    starts_.reserve(lines + 1);
    text_.reserve(bytes + kFindPadding);
    raw_.reserve(bytes);
}

void CandidateLines::AddLine(std::string_view part1, std::string_view part2, std::string_view part3) {
    // The padding sits at the end; grow over it and put it back behind the new line.
    const std::size_t start = starts_.back();
    const std::size_t length = part1.size() + part2.size() + part3.size();
    text_.resize(start + length + kFindPadding);
    char* out = text_.data() + start;
    SearchFoldInto(part1, out);
    SearchFoldInto(part2, out + part1.size());
    SearchFoldInto(part3, out + part1.size() + part2.size());
    std::fill(text_.begin() + static_cast<std::ptrdiff_t>(start + length), text_.end(), '\0');
    raw_.append(part1).append(part2).append(part3);
    starts_.push_back(static_cast<std::uint32_t>(start + length));
}

}  // namespace qx
