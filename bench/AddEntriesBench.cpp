// Adding one file to a large entry list: the add sorts the whole list (the list stays sorted
// by Name after every add), so its cost grows with the list, not with the file.
#include <benchmark/benchmark.h>

#include <string>

#include "app/AddEntries.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeSystemInfo.h"
#include "store/EntryStore.h"

namespace qx {
namespace {

void BM_AddFileToList(benchmark::State& state) {
    test::FakeFileSystem fs;
    test::FakeSystemInfo system;
    std::string files;
    for (int i = 0; i < state.range(0); ++i)
        files += "Tool " + std::to_string(i * 7919 % 100000) + "|C:\\Tools\\t" + std::to_string(i) + ".exe\r\n";
    fs.Put("C:\\Q\\Quillox-Data\\Files.txt", files);
    fs.Put("C:\\Q\\Quillox-Data\\OldOrders.txt", "");
    EntryStore store(StoreContext{fs, system, ComputeFolderSet("C:\\Q\\Quillox.exe", "C:\\Users\\bench"), {}});
    (void)store.LoadEntries(LoadOptions{});
    EntryAdder adder(AddEntriesContext{store, fs});
    std::string added;
    int next = 0;
    for (auto _ : state) adder.AutoAddFile("C:\\Apps\\App" + std::to_string(next++) + ".exe", AutoAddOptions{}, added);
    state.counters["entries"] = static_cast<double>(store.EntryList().Count());
}
BENCHMARK(BM_AddFileToList)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qx
