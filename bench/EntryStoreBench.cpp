// Loading and saving a large Files.txt, and the memory an entry costs beyond its text.
//
// Memory is counted by replacing the global operator new/delete of this program: every
// live block is weighed with malloc_usable_size (what the allocator really hands out,
// rounding included, its 8-byte chunk header not). Live bytes after LoadEntries minus
// live bytes before, less the bytes of the entries' column texts, divided by the count,
// is the cost of an entry beyond its text: the Entry, the list item, its data
// object, the copy of the Name as the item's string, and allocator rounding.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <random>
#include <string>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeSystemInfo.h"
#include "store/EntryStore.h"

namespace {
std::atomic<long long> liveBytes{0};
}  // namespace

void* operator new(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) throw std::bad_alloc();
    liveBytes += static_cast<long long>(malloc_usable_size(p));
    return p;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept {
    if (p == nullptr) return;
    liveBytes -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { operator delete(p); }

namespace qx {
namespace {

constexpr int kEntries = 100000;
const std::string kData = "C:\\Apps\\Quillox\\Quillox-Data\\";

// Lines of about 100 bytes: a name of one to three words, a path, sometimes search terms
// and parameters, the rest of the columns mostly empty.
std::string MakeFilesTxt() {
    static const char* const words[] = {"Adobe",  "Reader", "Total",   "Commander", "Visual", "Studio", "Code",
                                        "Mozilla", "Fire",  "Thunder", "Paint",     "Shop",   "Media",  "Player",
                                        "Office", "Word",   "Excel",   "Calc",      "Note",   "Pad",    "Game"};
    std::mt19937 random(42);
    auto word = [&] { return std::string(words[random() % std::size(words)]); };
    std::string text;
    text.reserve(kEntries * 110);
    for (int i = 0; i < kEntries; ++i) {
        std::string name = word();
        const int extra = static_cast<int>(random() % 3);
        for (int k = 0; k < extra; ++k) name += " " + word();
        name += " " + std::to_string(i);
        std::string line = name + "|C:\\Program Files\\" + word() + "\\" + word() + "\\" + word() + ".exe|";
        if (random() % 4 == 0) line += "-n";
        line += "|";
        if (random() % 2 == 0) line += word() + " " + word();
        line += "|C:\\Program Files\\" + word() + "||0|||||";
        line += "|0\r\n";
        text += line;
    }
    return text;
}

struct Fixture {
    test::FakeFileSystem fs;
    test::FakeSystemInfo system;
    std::unique_ptr<EntryStore> store;

    Fixture() {
        fs.Put(kData + "Files.txt", MakeFilesTxt());
        fs.Put(kData + "OldOrders.txt", "");
    }
    void Load() {
        store = std::make_unique<EntryStore>(StoreContext{
            fs, system, ComputeFolderSet("C:\\Apps\\Quillox\\Quillox.exe", "C:\\Users\\bench"), {}});
        (void)store->LoadEntries(LoadOptions{1, false});
    }
};

void BM_LoadEntries(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        f.Load();
        benchmark::DoNotOptimize(f.store->EntryList().Count());
        state.PauseTiming();
        f.store.reset();
        state.ResumeTiming();
    }
    state.counters["entries"] = kEntries;
}
BENCHMARK(BM_LoadEntries)->Unit(benchmark::kMillisecond);

void BM_SaveEntries(benchmark::State& state) {
    Fixture f;
    f.Load();
    for (auto _ : state) benchmark::DoNotOptimize(f.store->SaveEntries(false));
    state.counters["bytes"] = static_cast<double>(f.fs.Get(kData + "Files.txt").size());
}
BENCHMARK(BM_SaveEntries)->Unit(benchmark::kMillisecond);

void BM_MemoryPerEntry(benchmark::State& state) {
    Fixture f;
    double beyondText = 0;
    for (auto _ : state) {
        f.store.reset();
        const long long before = liveBytes.load();
        f.Load();
        const long long after = liveBytes.load();
        long long text = 0;
        const RowList& list = f.store->EntryList();
        for (int i = 0; i < list.Count(); ++i) text += static_cast<long long>(EntryIfAny(list.Objects(i))->TextBytes());
        beyondText = static_cast<double>(after - before - text) / list.Count();
    }
    state.counters["bytes_beyond_text"] = beyondText;
}
BENCHMARK(BM_MemoryPerEntry)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace qx
