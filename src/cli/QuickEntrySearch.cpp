#include "cli/QuickEntrySearch.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "controls/RowList.h"
#include "search/MatchRanking.h"
#include "search/SearchFold.h"
#include "search/WildcardMatch.h"
#include "store/EntryLine.h"
#include "store/ListFile.h"
#include "text/CaseFold.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qx {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kEscapePrefix = "%_ESC_%";
constexpr std::string_view kExecutePrefix = "execute: ";

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

#if defined(__SSE2__)
// The matcher's fold of 16 bytes at once: x - low (wrapping) <= high - low as unsigned bytes
// marks the two ranges that are raised by 0x20.
inline __m128i Fold16(__m128i bytes) {
    const __m128i asciiSpan = _mm_set1_epi8('Z' - 'A');
    const __m128i upperSpan = _mm_set1_epi8(static_cast<char>(0xDC - 0xC4));
    const __m128i a = _mm_sub_epi8(bytes, _mm_set1_epi8('A'));
    const __m128i u = _mm_sub_epi8(bytes, _mm_set1_epi8(static_cast<char>(0xC4)));
    const __m128i inAscii = _mm_cmpeq_epi8(_mm_max_epu8(a, asciiSpan), asciiSpan);
    const __m128i inUpper = _mm_cmpeq_epi8(_mm_max_epu8(u, upperSpan), upperSpan);
    return _mm_add_epi8(bytes, _mm_and_si128(_mm_or_si128(inAscii, inUpper), _mm_set1_epi8(0x20)));
}
#endif

bool FoldedEquals(const char* data, std::string_view folded) {
    for (std::size_t i = 0; i < folded.size(); ++i)
        if (SearchFoldByte(data[i]) != folded[i]) return false;
    return true;
}

}  // namespace

std::size_t FindFolded(const char* data, std::size_t from, std::size_t end, std::string_view needle) {
    const std::size_t length = needle.size();
    if (length == 0 || from > end || end - from < length) return std::string_view::npos;
    const std::size_t lastStart = end - length;
    std::size_t block = from;
#if defined(__SSE2__)
    // As FindPadded, but folding the loaded blocks: a folded copy of a whole file would cost
    // more (in fresh pages) than the scan itself. Both loads stay below end.
    const __m128i first = _mm_set1_epi8(needle.front());
    const __m128i last = _mm_set1_epi8(needle.back());
    for (; block + 15 <= lastStart; block += 16) {
        const __m128i starts = Fold16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + block)));
        const __m128i ends = Fold16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + block + length - 1)));
        unsigned mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(starts, first), _mm_cmpeq_epi8(ends, last))));
        while (mask != 0) {
            const std::size_t at = block + static_cast<std::size_t>(__builtin_ctz(mask));
            if (FoldedEquals(data + at, needle)) return at;
            mask &= mask - 1;
        }
    }
#endif
    for (; block <= lastStart; ++block)
        if (FoldedEquals(data + block, needle)) return block;
    return std::string_view::npos;
}

namespace {

// Lines whose columns differ from their bytes (escaped lines, and those a first launch
// converts) are matched in any case. For the others a piece is a safe filter when it cannot
// be made by joining Name and SearchTerms (a blank) or by unescaping ("|", "%").
bool IsFilterPiece(std::string_view piece) { return piece.find_first_of(" |%") == std::string_view::npos; }

}  // namespace

QuickEntrySearch::QuickEntrySearch(std::string fileBytes, bool convertExecutePrefix)
    : raw_(std::move(fileBytes)), convertExecutePrefix_(convertExecutePrefix) {
    textEnd_ = raw_.size();
    if (std::string_view(raw_).starts_with(kByteOrderMark)) textBegin_ = kByteOrderMark.size();
}

QuickEntrySearch::Line QuickEntrySearch::LineAround(std::size_t offset) const {
    std::size_t begin = offset;
    while (begin > textBegin_ && !IsLineEnd(raw_[begin - 1])) --begin;
    const void* end = nullptr;
    // Two memchr calls outrun a byte loop on long lines; the nearer end counts.
    const char* from = raw_.data() + offset;
    const std::size_t rest = textEnd_ - offset;
    const void* cr = std::memchr(from, '\r', rest);
    const void* lf = std::memchr(from, '\n', rest);
    if (cr == nullptr) end = lf;
    else if (lf == nullptr) end = cr;
    else end = std::min(cr, lf);
    const std::size_t stop = end == nullptr ? textEnd_ : static_cast<std::size_t>(static_cast<const char*>(end) - raw_.data());
    return {begin, stop};
}

std::vector<QuickEntrySearch::Line> QuickEntrySearch::CandidateLines(const std::string* piece) const {
    std::vector<Line> lines;
    if (piece == nullptr) {
        for (std::string_view view : SplitLineViews(std::string_view(raw_.data(), textEnd_))) {
            const std::size_t begin = static_cast<std::size_t>(view.data() - raw_.data());
            lines.push_back({begin, begin + view.size()});
        }
        return lines;
    }
    // Lines holding the piece, then escaped lines; merged in file order below.
    auto collect = [&](std::string_view needle, bool atLineStartOnly) {
        std::size_t from = textBegin_;
        while (true) {
            const std::size_t at = FindFolded(raw_.data(), from, textEnd_, needle);
            if (at == std::string_view::npos) return;
            const Line line = LineAround(at);
            if (at + needle.size() <= line.end && (!atLineStartOnly || at == line.begin)) lines.push_back(line);
            from = line.end + 1;
            if (from > textEnd_) return;
        }
    };
    collect(*piece, false);
    const std::size_t holding = lines.size();
    collect(SearchFold(kEscapePrefix), true);
    if (convertExecutePrefix_) collect(SearchFold(kExecutePrefix), true);
    if (lines.size() > holding) {
        std::sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.begin < b.begin; });
        lines.erase(std::unique(lines.begin(), lines.end(),
                                [](const Line& a, const Line& b) { return a.begin == b.begin; }),
                    lines.end());
    }
    return lines;
}

std::string_view QuickEntrySearch::LineText(const Line& line, std::string& converted) const {
    const std::string_view text(raw_.data() + line.begin, line.end - line.begin);
    if (!convertExecutePrefix_ || !text.starts_with(kExecutePrefix)) return text;
    converted = "exe: ";
    converted.append(text.substr(kExecutePrefix.size()));
    return converted;
}

std::vector<std::string> QuickEntrySearch::Search(std::string_view pattern, int windowsVersion) const {
    const WildcardPattern wildcard{SearchFold(pattern)};
    const std::vector<std::string>& pieces = wildcard.Pieces();
    if (!pattern.empty() && pieces.empty() && !wildcard.HasStar()) return {};

    // The longest piece rejects the most lines.
    const std::string* piece = nullptr;
    if (!pieces.empty()) {
        piece = &*std::max_element(pieces.begin(), pieces.end(),
                                   [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
        if (!IsFilterPiece(*piece)) piece = nullptr;
    }

    std::vector<Match> matches;
    std::string converted;
    std::string candidate;
    for (const Line& line : CandidateLines(piece)) {
        const std::unique_ptr<Entry> entry = ParseEntryLine(LineText(line, converted));
        const std::string_view name = entry->Name();
        if (name.empty()) continue;  // not an entry: the store skips it
        candidate.assign(name);
        candidate.push_back(' ');
        candidate.append(entry->SearchTerms());
        const int position = pattern.empty() ? 2 : wildcard.Position(SearchFold(candidate));
        if (position == 0) continue;
        if (entry->winVersion != 0 && entry->winVersion != windowsVersion) continue;
        matches.push_back({line.begin, std::string(name), FoldedText(name), position,
                           position == 1 && HasOnTopMarker(candidate)});
    }
    OrderAsEntryList(matches);

    MatchRanking ranking;
    for (std::size_t i = 0; i < matches.size(); ++i)
        ranking.Add(static_cast<std::uint32_t>(i), matches[i].position, matches[i].pinned);
    RowList rows;
    ranking.PlaceInto(
        rows, [&](std::uint32_t i) -> const std::string& { return matches[i].name; },
        [](std::uint32_t) -> RowData* { return nullptr; });
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(rows.Count()));
    for (int i = 0; i < rows.Count(); ++i) texts.push_back(rows.Strings(i));
    return texts;
}

void QuickEntrySearch::OrderAsEntryList(std::vector<Match>& matches) const {
    std::sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) {
        return a.key != b.key ? a.key < b.key : a.begin < b.begin;
    });
    // Names equal up to case stay in whatever order the store's sort leaves them, which
    // depends on the whole list. Rows of byte-equal Names read the same in either order (each
    // row shows only its Name), so only Names that differ in case need the store's own order:
    // build the list of all Names as the store does and sort it the same way.
    const bool caseVariants = std::adjacent_find(matches.begin(), matches.end(), [](const Match& a, const Match& b) {
                                  return a.key == b.key && a.name != b.name;
                              }) != matches.end();
    if (!caseVariants) return;

    std::string converted;
    std::vector<RowData> tags;
    std::vector<std::size_t> lineBegins;
    RowList names;
    const std::vector<std::string_view> views = SplitLineViews(std::string_view(raw_.data(), textEnd_));
    tags.resize(views.size());
    names.Reserve(static_cast<int>(views.size()));
    for (std::size_t i = 0; i < views.size(); ++i) {
        const std::size_t begin = static_cast<std::size_t>(views[i].data() - raw_.data());
        const std::unique_ptr<Entry> entry = ParseEntryLine(LineText({begin, begin + views[i].size()}, converted));
        if (entry->Name().empty()) continue;
        lineBegins.push_back(begin);
        names.AddObjectRef(std::string(entry->Name()), &tags[lineBegins.size() - 1]);
    }
    names.Sort();
    std::unordered_map<std::size_t, int> rankOfLine;
    rankOfLine.reserve(static_cast<std::size_t>(names.Count()));
    for (int rank = 0; rank < names.Count(); ++rank)
        rankOfLine[lineBegins[static_cast<std::size_t>(names.Objects(rank) - tags.data())]] = rank;
    std::sort(matches.begin(), matches.end(),
              [&](const Match& a, const Match& b) { return rankOfLine.at(a.begin) < rankOfLine.at(b.begin); });
}

}  // namespace qx
