// Matches arbitrary patterns against arbitrary lines and checks the matcher and ranker
// against a literal, insert-by-insert rendering of the ranking rules.
//
// Input: one option byte, then the pattern and the lines separated by '\n'. A line's part
// before its first '|' is an entry Name, the rest its SearchTerms.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/RowList.h"
#include "search/EntrySearch.h"
#include "search/FilterInto.h"
#include "search/SearchFold.h"
#include "search/WildcardMatch.h"
#include "store/EntryRows.h"

namespace {

using qx::RowList;
using qx::RowData;

constexpr int kWindowsVersion = 601;

void Require(bool condition) {
    if (!condition) std::abort();
}

struct Row {
    std::string text;
    const RowData* object;
};

// The ranking as a sequence of list inserts: $onTop prefix matches at 0, other prefix
// matches at the prefix count, the rest at the end.
void ReferenceFilter(std::string_view pattern, const std::vector<std::string>& lines,
                     const std::vector<const RowData*>& objects, const std::vector<std::string>& names,
                     const std::vector<int>& versions, std::vector<Row>& target) {
    std::size_t prefixCount = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int position =
            pattern.empty() ? 2 : qx::WildcardPosition(qx::SearchFold(pattern), qx::SearchFold(lines[i]));
        if (position == 0) continue;
        if (!versions.empty() && versions[i] != 0 && versions[i] != kWindowsVersion) continue;
        Row row{names.empty() ? lines[i] : names[i], objects.empty() ? nullptr : objects[i]};
        if (position == 1) {
            const bool onTop = lines[i].find("$onTop") != std::string::npos;
            target.insert(target.begin() + static_cast<std::ptrdiff_t>(onTop ? 0 : prefixCount), row);
            ++prefixCount;
        } else {
            target.push_back(row);
        }
    }
}

void RequireSame(const RowList& actual, const std::vector<Row>& expected, bool compareObjects) {
    Require(actual.Count() == static_cast<int>(expected.size()));
    for (int i = 0; i < actual.Count(); ++i) {
        Require(actual.Strings(i) == expected[static_cast<std::size_t>(i)].text);
        if (compareObjects) Require(actual.Objects(i) == expected[static_cast<std::size_t>(i)].object);
    }
}

void CheckPositions(std::string_view pattern, const std::vector<std::string>& lines) {
    const std::string foldedPattern = qx::SearchFold(pattern);
    const qx::WildcardPattern compiled(foldedPattern);
    for (const std::string& line : lines) {
        const std::string folded = qx::SearchFold(line);
        const int position = qx::WildcardPosition(foldedPattern, folded);
        Require(position == compiled.Position(folded));
        if (compiled.MatchesEverything()) {
            Require(position == 1);
        } else if (position != 0) {
            const std::string& first = compiled.Pieces().front();
            Require(position >= 1 && static_cast<std::size_t>(position) <= folded.size());
            Require(std::string_view(folded).substr(static_cast<std::size_t>(position) - 1, first.size()) == first);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t options = data[0];
    std::vector<std::string> parts(1);
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == '\n') parts.emplace_back();
        else parts.back() += static_cast<char>(data[i]);
    }
    const std::string pattern = parts.front();
    const std::vector<std::string> lines(parts.begin() + 1, parts.end());

    CheckPositions(pattern, lines);

    // Plain lines, into a target that already holds rows.
    {
        RowList target;
        std::vector<Row> expected;
        for (int i = 0; i < (options & 3); ++i) {
            target.AddObjectRef("held" + std::to_string(i), nullptr);
            expected.push_back(Row{"held" + std::to_string(i), nullptr});
        }
        qx::FilterInto(pattern, lines, target);
        ReferenceFilter(pattern, lines, {}, {}, {}, expected);
        RequireSame(target, expected, true);
    }

    // The same lines as entries, through the cached entry search, before and after an edit.
    RowList entries;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t bar = lines[i].find('|');
        auto entry = std::make_unique<qx::Entry>();
        entry->SetText(qx::EntryText::Name, lines[i].substr(0, bar));
        if (bar != std::string::npos) entry->SetText(qx::EntryText::SearchTerms, lines[i].substr(bar + 1));
        entry->winVersion = ((options >> 2) & 1) && i % 3 == 1 ? 501 : ((options >> 3) & 1) && i % 2 ? kWindowsVersion : 0;
        entries.AddObject(lines[i], std::make_unique<RowData>(std::move(entry)));
    }
    qx::EntrySearch search;
    for (int round = 0; round < 2; ++round) {
        std::vector<std::string> candidates, names;
        std::vector<const RowData*> objects;
        std::vector<int> versions;
        for (int i = 0; i < entries.Count(); ++i) {
            const qx::Entry& entry = qx::EntryAt(entries, i);
            candidates.push_back(std::string(entry.Name()) + " " + std::string(entry.SearchTerms()));
            names.emplace_back(entry.Name());
            objects.push_back(entries.Objects(i));
            versions.push_back(entry.winVersion);
        }
        std::vector<Row> expected;
        ReferenceFilter(pattern, candidates, objects, names, versions, expected);
        RowList target;
        search.FilterEntries(pattern, entries, target, kWindowsVersion);
        RequireSame(target, expected, true);

        // Edit the entries in place between the rounds: the second search must see it.
        for (int i = 0; i < entries.Count(); i += 2) {
            qx::Entry& entry = qx::EntryAt(entries, i);
            entry.SetText(qx::EntryText::SearchTerms, std::string(entry.Name()) + "$onTop");
        }
        if (entries.Count() > 1 && (options & 16)) entries.Delete(0);
    }
    return 0;
}
