#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/RowList.h"
#include "search/CandidateLines.h"

namespace qx {

class QueryState;

// The search behind the result list: entries, command history or URL history, chosen by
// the input's first character.
//
// The entries' candidate lines ("Name SearchTerms") are kept between searches and rebuilt
// only when the EntryList or any entry's texts changed since; both carry revision numbers
// that change with every such change, so results never come from stale lines. A WinVersion
// is not text and is read from the entry on every search.
class EntrySearch {
public:
    // Fills target (cleared first) for the query's current text; empty when the
    // search-results view is off or the input is empty.
    void SearchEntries(const QueryState& query, RowList& entryList, const std::vector<std::string>& commands,
                       const std::vector<std::string>& urls, RowList& target, int windowsVersion);

    // FilterInto(pattern, candidate lines of entryList, target, entryList).
    void FilterEntries(std::string_view pattern, RowList& entryList, RowList& target,
                       int windowsVersion);

    // Drops the cached lines; the next search rebuilds them.
    void Invalidate() { cachedList_ = nullptr; }
    // How often the lines were built; lets callers see that a search reused them.
    std::uint64_t BuildCount() const { return builds_; }

private:
    void EnsureCandidates(RowList& entryList);

    CandidateLines lines_;
    std::vector<std::uint32_t> nameLengths_;
    const RowList* cachedList_ = nullptr;
    std::uint64_t cachedListRevision_ = 0;
    std::uint64_t cachedTextRevision_ = 0;
    std::uint64_t builds_ = 0;
    std::vector<std::pair<std::uint32_t, int>> matches_;  // reused between searches
};

}  // namespace qx
