#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "controls/RowList.h"
#include "search/EntrySearch.h"
#include "search/FilterInto.h"
#include "search/QueryState.h"
#include "search/WildcardMatch.h"
#include "store/EntryRows.h"
#include "text/CaseFold.h"

namespace qx {
namespace {

constexpr int kEntryCount = 100000;
constexpr int kSeven = 601;

// Made-up words from syllables, with a few real program words mixed in so that "note" finds
// a realistic handful of entries rather than none or thousands.
std::vector<std::string> MakeWords(std::mt19937& random) {
    const char* syllables[] = {"ka", "lo", "mi", "ter", "san", "vo", "ri", "pel", "du", "ex", "ban", "so",
                               "cra", "fi", "gum", "ho", "jet", "qui", "wa", "zen", "ly", "pro", "tor", "ix"};
    std::vector<std::string> words;
    for (int i = 0; i < 2000; ++i) {
        std::string word;
        const int parts = 2 + static_cast<int>(random() % 2);
        for (int p = 0; p < parts; ++p) word += syllables[random() % std::size(syllables)];
        if (random() % 3 == 0) word[0] = static_cast<char>(word[0] - 0x20);
        words.push_back(word);
    }
    for (const char* word : {"Notepad", "Keynote", "Notes", "Editor", "Paint", "Calc", "Explorer", "Setup"})
        words.push_back(word);
    return words;
}

// 100,000 entries: a Name of one to three words and, for most, search terms of one or two
// words; about 26 bytes a candidate line. As after loading Files.txt, which is kept sorted,
// the entries are allocated in list order; `scattered` allocates them in random order
// instead, as a long session of adds and edits would leave them at worst.
struct Entries {
    explicit Entries(bool scattered) {
        std::mt19937 random(42);
        const std::vector<std::string> words = MakeWords(random);
        auto pick = [&] { return words[random() % words.size()]; };
        std::vector<std::pair<std::string, std::string>> texts;
        std::size_t bytes = 0;
        for (int i = 0; i < kEntryCount; ++i) {
            std::string name = pick();
            for (int extra = static_cast<int>(random() % 3); extra > 0; --extra) name += " " + pick();
            const std::string terms = random() % 8 == 0 ? "" : pick() + " " + pick();
            bytes += name.size() + 1 + terms.size();
            texts.emplace_back(std::move(name), std::move(terms));
        }
        if (!scattered) {
            std::sort(texts.begin(), texts.end(),
                      [](const auto& a, const auto& b) { return CompareText(a.first, b.first) < 0; });
        }
        for (auto& [name, terms] : texts) {
            auto entry = std::make_unique<Entry>();
            entry->SetText(EntryText::Name, name);
            entry->SetText(EntryText::SearchTerms, terms);
            list.AddObject(name, std::make_unique<RowData>(std::move(entry)));
        }
        list.Sort();
        averageLine = static_cast<double>(bytes) / kEntryCount;
    }
    RowList list;
    double averageLine = 0;
};

Entries& SharedEntries(bool scattered = false) {
    static Entries sorted(false);
    if (!scattered) return sorted;
    static Entries shuffled(true);
    return shuffled;
}

// One entry search as the result timer runs it, with the candidate lines already cached.
void BM_FilterEntries(benchmark::State& state, const char* pattern, bool scattered = false) {
    Entries& entries = SharedEntries(scattered);
    EntrySearch search;
    {
        RowList warm;
        search.FilterEntries(pattern, entries.list, warm, kSeven);
    }
    std::size_t rows = 0;
    for (auto _ : state) {
        auto target = std::make_unique<RowList>();
        search.FilterEntries(pattern, entries.list, *target, kSeven);
        rows = static_cast<std::size_t>(target->Count());
        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["lineBytes"] = entries.averageLine;
}
BENCHMARK_CAPTURE(BM_FilterEntries, note, "note")->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_FilterEntries, e, "e")->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_FilterEntries, n_star_pad, "n*pad")->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_FilterEntries, e_scattered, "e", true)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_FilterEntries, zzz_none, "zzz")->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

// The first search after the EntryList changed: the candidate lines are built again.
void BM_FilterEntriesAfterChange(benchmark::State& state) {
    Entries& entries = SharedEntries();
    EntrySearch search;
    for (auto _ : state) {
        search.Invalidate();
        RowList target;
        search.FilterEntries("note", entries.list, target, kSeven);
        benchmark::DoNotOptimize(target.Count());
    }
}
BENCHMARK(BM_FilterEntriesAfterChange)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

// The plain algorithm without the cache: candidate lines built per search, each folded and
// matched on its own. Kept as the yardstick for the cached scan.
void BM_FilterIntoFreshCandidates(benchmark::State& state, const char* pattern) {
    Entries& entries = SharedEntries();
    for (auto _ : state) {
        RowList candidates;
        candidates.Reserve(entries.list.Count());
        for (int i = 0; i < entries.list.Count(); ++i) {
            const Entry& entry = EntryAt(entries.list, i);
            std::string line;
            line.reserve(entry.Name().size() + 1 + entry.SearchTerms().size());
            line.append(entry.Name()).append(" ").append(entry.SearchTerms());
            candidates.AddObjectRef(std::move(line), entries.list.Objects(i));
        }
        RowList target;
        FilterInto(pattern, candidates, target, &entries.list, kSeven);
        benchmark::DoNotOptimize(target.Count());
    }
}
BENCHMARK_CAPTURE(BM_FilterIntoFreshCandidates, note, "note")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A history of the full 100 lines, as the command and URL searches see it.
void BM_FilterHistory(benchmark::State& state) {
    std::vector<std::string> history;
    for (int i = 0; i < 100; ++i) history.push_back("exe: command" + std::to_string(i) + " /switch");
    for (auto _ : state) {
        RowList target;
        FilterInto("d4", history, target);
        benchmark::DoNotOptimize(target.Count());
    }
}
BENCHMARK(BM_FilterHistory)->Unit(benchmark::kMicrosecond);

void BM_WildcardPosition(benchmark::State& state) {
    const std::string text = "mikaterso vorisan pelduex notepad gumho";
    for (auto _ : state) benchmark::DoNotOptimize(WildcardPosition("n*pad", text));
}
BENCHMARK(BM_WildcardPosition);

}  // namespace
}  // namespace qx
