// The all-entries view and entry deletion on a large EntryList: both hand the whole list to
// the list control, so they grow with the number of entries.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/EntryMaintenance.h"
#include "controls/ListBoxModel.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeSystemInfo.h"
#include "search/PrefixCharacters.h"
#include "search/QueryState.h"
#include "search/ResultListModel.h"
#include "search/SearchTestLists.h"
#include "store/EntryStore.h"
#include "text/LanguageStrings.h"

namespace qx {
namespace {

constexpr int kEntryCount = 100000;

struct World {
    World() {
        list.SetSize(400, 20 * 19);
        store = std::make_unique<EntryStore>(
            StoreContext{fs, system, ComputeFolderSet("C:\\Q\\Quillox.exe", "C:\\Users\\a"), ShellRootNames{}});
        std::string added;
        for (int i = 0; i < kEntryCount; ++i)
            store->AddEntryFromLine("Entry " + std::to_string(i) + "|C:\\Tools\\t" + std::to_string(i) + ".exe",
                                    false, added, false, false, true);
        store->SortEntries();
        model = std::make_unique<ResultListModel>(list, query, *store, 601);
        maintenance = std::make_unique<EntryMaintenance>(*store, *model, language, prefixes);
    }
    ~World() { list.Items().Clear(); }

    test::FakeClock clock;
    test::FakeFileSystem fs;
    test::FakeSystemInfo system;
    PrefixCharacters prefixes;
    test::NoQueryHooks hooks;
    QueryState query{prefixes, hooks};
    LanguageSwitch language;
    ListBoxModel list{clock};
    std::unique_ptr<EntryStore> store;
    std::unique_ptr<ResultListModel> model;
    std::unique_ptr<EntryMaintenance> maintenance;
};

// Showing all entries and going back to the search results, as Ctrl+Alt+A and typing do.
void BM_SwitchToAllEntriesAndBack(benchmark::State& state) {
    World world;
    for (auto _ : state) {
        world.model->SwitchView(false);
        world.model->SwitchView(true);
        benchmark::DoNotOptimize(world.list.Count());
    }
    state.counters["entries"] = kEntryCount;
}
BENCHMARK(BM_SwitchToAllEntriesAndBack)->Unit(benchmark::kMillisecond);

// DeleteEntry of an entry in the middle of the list while all entries are shown: the Name
// lookup, the row lookup and the refresh of the whole view (Files.txt is not written).
void BM_DeleteEntryInAllEntriesView(benchmark::State& state) {
    World world;
    world.model->SwitchView(false);
    std::string added;
    for (auto _ : state) {
        world.maintenance->DeleteEntry("Entry 50000");
        state.PauseTiming();
        world.store->AddEntryFromLine("Entry 50000|C:\\Tools\\t.exe", false, added, false, false, true);
        world.store->SortEntries();
        world.model->RefreshList();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteEntryInAllEntriesView)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qx
