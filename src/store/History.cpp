#include "store/History.h"

#include "text/CaseFold.h"

namespace qx {

int History::IndexOf(std::string_view line) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (SameText(lines_[i], line)) return static_cast<int>(i);
    }
    return -1;
}

void History::MoveToTop(std::string line) {
    const int old = IndexOf(line);
    if (old >= 0) lines_.erase(lines_.begin() + old);
    lines_.insert(lines_.begin(), std::move(line));
    if (lines_.size() > static_cast<size_t>(kMaxLines)) lines_.resize(kMaxLines);
}

bool History::Delete(std::string_view line) {
    const int index = IndexOf(line);
    if (index < 0) return false;
    lines_.erase(lines_.begin() + index);
    return true;
}

}  // namespace qx
