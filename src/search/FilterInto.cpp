#include "search/FilterInto.h"

#include <cstdint>

#include "search/MatchRanking.h"
#include "search/SearchFold.h"
#include "search/WildcardMatch.h"
#include "store/EntryRows.h"

namespace qx {
namespace {

// Runs the matcher over count lines; accept(i) may still refuse a matching line.
template <class LineOf, class Accept>
MatchRanking RankLines(std::string_view pattern, std::size_t count, LineOf&& lineOf, Accept&& accept) {
    MatchRanking ranking;
    const WildcardPattern compiled(SearchFold(pattern));
    std::string folded;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view line = lineOf(i);
        int position = 2;
        if (!pattern.empty()) {
            folded.resize(line.size());
            SearchFoldInto(line, folded.data());
            position = compiled.Position(folded);
        }
        if (position == 0 || !accept(i)) continue;
        ranking.Add(static_cast<std::uint32_t>(i), position, position == 1 && HasOnTopMarker(line));
    }
    return ranking;
}

}  // namespace

void FilterInto(std::string_view pattern, const std::vector<std::string>& source, RowList& target) {
    const MatchRanking ranking = RankLines(
        pattern, source.size(), [&](std::size_t i) -> std::string_view { return source[i]; },
        [](std::size_t) { return true; });
    ranking.PlaceInto(
        target, [&](std::uint32_t i) -> std::string_view { return source[i]; },
        [](std::uint32_t) -> RowData* { return nullptr; });
}

void FilterInto(std::string_view pattern, const RowList& source, RowList& target,
                RowList* entryList, int windowsVersion) {
    const auto lineOf = [&](std::size_t i) -> std::string_view { return source.Strings(static_cast<int>(i)); };
    const auto objectOf = [&](std::uint32_t i) { return source.Objects(static_cast<int>(i)); };
    if (entryList == nullptr) {
        const MatchRanking ranking = RankLines(pattern, source.Count(), lineOf, [](std::size_t) { return true; });
        ranking.PlaceInto(target, lineOf, objectOf);
        return;
    }
    const MatchRanking ranking = RankLines(pattern, source.Count(), lineOf, [&](std::size_t i) {
        if (i >= static_cast<std::size_t>(entryList->Count())) return false;
        const int version = EntryAt(*entryList, static_cast<int>(i)).winVersion;
        return version == 0 || version == windowsVersion;
    });
    ranking.PlaceInto(
        target, [&](std::uint32_t i) { return EntryAt(*entryList, static_cast<int>(i)).Name(); }, objectOf);
}

}  // namespace qx
