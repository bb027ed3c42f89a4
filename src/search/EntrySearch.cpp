#include "search/EntrySearch.h"

#include "search/FilterInto.h"
#include "search/MatchRanking.h"
#include "search/QueryState.h"
#include "search/SearchFold.h"
#include "store/EntryRows.h"

namespace qx {
namespace {

const Entry* EntryOf(const RowList& list, int index) { return EntryIfAny(list.Objects(index)); }

// Items are visited in list order, but their data objects and entries lie scattered on the
// heap; asking for them some items ahead overlaps the memory waits instead of taking them
// one after another.
constexpr std::size_t kObjectLookahead = 32;  // matches ahead, for a match's data object
constexpr std::size_t kEntryLookahead = 16;   // matches ahead, for its entry
constexpr int kBuildLookahead = 8;            // items per hop ahead while building the lines

inline void Prefetch(const void* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

}  // namespace

void EntrySearch::EnsureCandidates(RowList& entryList) {
    if (cachedList_ == &entryList && cachedListRevision_ == entryList.Revision() &&
        cachedTextRevision_ == Entry::TextRevision()) {
        return;
    }
    const int count = entryList.Count();
    lines_.Clear();
    lines_.Reserve(static_cast<std::size_t>(count), static_cast<std::size_t>(count) * 32);
    nameLengths_.assign(static_cast<std::size_t>(count), 0);
    for (int i = 0; i < count; ++i) {
        // Three hops lead to an entry's texts: the data object, the entry, its text buffer.
        if (i + 3 * kBuildLookahead < count) Prefetch(entryList.Objects(i + 3 * kBuildLookahead));
        if (i + 2 * kBuildLookahead < count) Prefetch(EntryOf(entryList, i + 2 * kBuildLookahead));
        if (i + kBuildLookahead < count) {
            if (const Entry* ahead = EntryOf(entryList, i + kBuildLookahead)) Prefetch(ahead->Name().data());
        }
        // An item without an entry reads as an empty one; it gets its entry on first access.
        if (const Entry* entry = EntryOf(entryList, i)) {
            lines_.AddLine(entry->Name(), " ", entry->SearchTerms());
            nameLengths_[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(entry->Name().size());
        } else {
            lines_.AddLine(" ");
        }
    }
    cachedList_ = &entryList;
    cachedListRevision_ = entryList.Revision();
    cachedTextRevision_ = Entry::TextRevision();
    ++builds_;
}

void EntrySearch::FilterEntries(std::string_view pattern, RowList& entryList, RowList& target,
                                int windowsVersion) {
    EnsureCandidates(entryList);
    matches_.clear();
    if (pattern.empty()) {
        for (std::size_t i = 0; i < lines_.Count(); ++i) matches_.emplace_back(static_cast<std::uint32_t>(i), 2);
    } else {
        lines_.Scan(WildcardPattern(SearchFold(pattern)), [&](std::size_t i, int position) {
            matches_.emplace_back(static_cast<std::uint32_t>(i), position);
        });
    }

    MatchRanking ranking;
    for (std::size_t k = 0; k < matches_.size(); ++k) {
        if (k + kObjectLookahead < matches_.size()) Prefetch(entryList.Objects(static_cast<int>(matches_[k + kObjectLookahead].first)));
        if (k + kEntryLookahead < matches_.size()) {
            if (const RowData* ahead = entryList.Objects(static_cast<int>(matches_[k + kEntryLookahead].first)))
                Prefetch(EntryIfAny(ahead));
        }
        const auto [index, position] = matches_[k];
        const int i = static_cast<int>(index);
        const Entry* entry = EntryOf(entryList, i);
        // Only an item that never had an entry lacks one; it gets an empty one now, whose
        // texts are what its cached line already holds.
        const int version = entry != nullptr ? entry->winVersion : EntryAt(entryList, i).winVersion;
        if (version != 0 && version != windowsVersion) continue;
        ranking.Add(index, position, position == 1 && HasOnTopMarker(lines_.RawLine(index)));
    }
    // The cached line holds the entry's Name unchanged at its start.
    ranking.PlaceInto(
        target, [&](std::uint32_t i) { return lines_.RawLine(i).substr(0, nameLengths_[i]); },
        [&](std::uint32_t i) { return entryList.Objects(static_cast<int>(i)); });
}

void EntrySearch::SearchEntries(const QueryState& query, RowList& entryList,
                                const std::vector<std::string>& commands, const std::vector<std::string>& urls,
                                RowList& target, int windowsVersion) {
    target.Clear();
    if (!query.searchResultsView || query.textLength() < 1) return;
    switch (query.Mode()) {
        case InputMode::EntrySearch:
            // The whole input is the pattern, prefix character included.
            FilterEntries(query.currentText(), entryList, target, windowsVersion);
            break;
        case InputMode::Command:
            FilterInto(query.queryTail(), commands, target);
            target.InsertObjectRef(0, "exe: " + query.queryTail(), nullptr);
            break;
        case InputMode::Url:
            FilterInto(query.queryTail(), urls, target);
            target.InsertObjectRef(0, "url: " + query.queryTail(), nullptr);
            break;
    }
}

}  // namespace qx
