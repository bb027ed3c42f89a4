#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "controls/RowList.h"

namespace qx {

// Lines carrying this marker (exact case) go to the very top when they match at the start.
inline constexpr std::string_view kOnTopMarker = "$onTop";

inline bool HasOnTopMarker(std::string_view line) { return line.find(kOnTopMarker) != std::string_view::npos; }

// The matches of one filter run in their three rank groups, as source indexes.
//
// Placing them gives: pinned prefix matches (the last one found first), the other prefix
// matches, whatever the target held before, then the contains matches; each group in source
// order. That is the order that inserting every pinned match at 0, every other prefix match
// behind the prefix matches so far, and appending every contains match produces, without
// shifting the list once per match.
class MatchRanking {
public:
    // position: 1 for a match at the first character, above 1 for one further in.
    void Add(std::uint32_t index, int position, bool pinned) {
        if (position != 1) {
            contains_.push_back(index);
        } else if (pinned) {
            pinned_.push_back(index);
        } else {
            prefix_.push_back(index);
        }
    }

    std::size_t Count() const { return pinned_.size() + prefix_.size() + contains_.size(); }

    // text(index) gives the row's text, object(index) its data object (referred, not owned).
    template <class TextOf, class ObjectOf>
    void PlaceInto(RowList& target, TextOf&& text, ObjectOf&& object) const {
        if (target.Count() == 0) {
            target.Reserve(static_cast<int>(Count()));
            ForEachPrefix([&](std::uint32_t i) { target.AddObjectRef(std::string(text(i)), object(i)); });
        } else {
            int at = 0;
            ForEachPrefix([&](std::uint32_t i) { target.InsertObjectRef(at++, std::string(text(i)), object(i)); });
        }
        for (std::uint32_t i : contains_) target.AddObjectRef(std::string(text(i)), object(i));
    }

private:
    template <class Fn>
    void ForEachPrefix(Fn&& fn) const {
        for (auto it = pinned_.rbegin(); it != pinned_.rend(); ++it) fn(*it);
        for (std::uint32_t i : prefix_) fn(i);
    }

    std::vector<std::uint32_t> pinned_;
    std::vector<std::uint32_t> prefix_;
    std::vector<std::uint32_t> contains_;
};

}  // namespace qx
