// The bulk entry commands on large lists: duplicates found in one pass over 10,000 entries, and
// every icon made anew while the in-memory cache stays bounded.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/BusyPanel.h"
#include "app/EntryCleanup.h"
#include "app/EntryIcons.h"
#include "app/EntryMaintenance.h"
#include "app/FakeMainWindowView.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeIconSource.h"
#include "fakes/FakeSystemInfo.h"
#include "search/ResultListModel.h"
#include "store/EntryStore.h"

namespace qx {
namespace {

struct World {
    // Every tenth entry repeats the Value of the one before it in another letter case.
    explicit World(int count) {
        list.SetSize(400, 20 * 19);
        store = std::make_unique<EntryStore>(
            StoreContext{fs, system, ComputeFolderSet("C:\\Q\\Quillox.exe", "C:\\Users\\a"), ShellRootNames{}});
        std::string added;
        for (int i = 0; i < count; ++i) {
            const std::string value = i % 10 == 9 ? "C:\\TOOLS\\T" + std::to_string(i - 1) + ".EXE "
                                                  : "C:\\Tools\\t" + std::to_string(i) + ".exe";
            store->AddEntryFromLine("Entry " + std::to_string(i) + "|" + value, false, added, false, false, true);
        }
        store->SortEntries();
        model = std::make_unique<ResultListModel>(list, query, *store, 601);
        maintenance = std::make_unique<EntryMaintenance>(*store, *model, language, prefixes);
        icons = std::make_unique<EntryIcons>(*store, fs, system, &source, "C:\\Web\\web.exe");
        maintenance->SetIcons(icons.get());
        cleanup = std::make_unique<EntryCleanup>(
            EntryCleanup::Parts{*store, *maintenance, *icons, *model, busy, language, fs, &source, 601, {}});
    }
    ~World() { list.Items().Clear(); }

    test::FakeClock clock;
    test::FakeFileSystem fs;
    test::FakeSystemInfo system;
    test::FakeIconSource source{fs};
    PrefixCharacters prefixes;
    test::NoQueryHooks hooks;
    QueryState query{prefixes, hooks};
    LanguageSwitch language;
    ListBoxModel list{clock};
    test::FakeMainWindowView view{clock};
    LockCounter lock{nullptr};
    BusyPanel busy{view, lock, clock};
    std::unique_ptr<EntryStore> store;
    std::unique_ptr<ResultListModel> model;
    std::unique_ptr<EntryMaintenance> maintenance;
    std::unique_ptr<EntryIcons> icons;
    std::unique_ptr<EntryCleanup> cleanup;
};

// Finding and deleting the 1,000 duplicates, saving Files.txt and rebuilding the list once.
void BM_RemoveDuplicates(benchmark::State& state) {
    int removed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto world = std::make_unique<World>(10000);
        state.ResumeTiming();
        removed = world->cleanup->RemoveDuplicates();
        state.PauseTiming();
        world.reset();
        state.ResumeTiming();
    }
    state.counters["removed"] = removed;
}
BENCHMARK(BM_RemoveDuplicates)->Unit(benchmark::kMillisecond);

// Deleting the icon files of the current size and making every icon again: files written,
// icons held in memory afterwards (never more than the cache's 1,000).
void BM_RefreshIconCache(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    World world(count);
    for (int i = 0; i < count; ++i) world.icons->Load(EntryAt(world.store->EntryList(), i), false);
    for (auto _ : state) world.cleanup->RefreshIconCache();
    state.counters["entries"] = count;
    state.counters["icon files"] = static_cast<double>(world.fs.ListFiles("C:\\Q\\Quillox-Data\\Icons\\").size());
    state.counters["icons held"] = static_cast<double>(world.store->IconCache().Count());
}
BENCHMARK(BM_RefreshIconCache)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qx
