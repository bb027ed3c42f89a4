// Diffing two folder listings through the simple database: filling a map with the names of a
// folder and looking every name of a second listing up. Names spread over many buckets in a
// typical folder; names sharing their first two bytes ("IMG_0001.jpg" ...) fall into one chain,
// the layout's known worst case.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "store/SimpleDatabase.h"

namespace {

// Names whose first two bytes vary as in a mixed folder: letters of both cases and digits.
std::vector<std::string> MixedNames(int count) {
    static const char kFirst[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::mt19937 random(42);
    std::uniform_int_distribution<int> pick(0, 61);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        std::string name{kFirst[pick(random)], kFirst[pick(random)]};
        names.push_back(name + "file " + std::to_string(i) + (i % 3 ? ".txt" : ".doc"));
    }
    return names;
}

std::vector<std::string> SamePrefixNames(int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) names.push_back("IMG_" + std::to_string(10000 + i) + ".jpg");
    return names;
}

void Diff(benchmark::State& state, const std::vector<std::string>& names) {
    for (auto _ : state) {
        qx::SimpleDatabase onDisk;
        for (const std::string& name : names) onDisk.Set(name, 1);
        int present = 0;
        for (const std::string& name : names) present += onDisk.Get(name);
        benchmark::DoNotOptimize(present);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(names.size()));
}

void BM_DiffMixedNames(benchmark::State& state) { Diff(state, MixedNames(static_cast<int>(state.range(0)))); }
void BM_DiffSamePrefixNames(benchmark::State& state) {
    Diff(state, SamePrefixNames(static_cast<int>(state.range(0))));
}

}  // namespace

BENCHMARK(BM_DiffMixedNames)->Arg(100)->Arg(1000)->Arg(5000);
BENCHMARK(BM_DiffSamePrefixNames)->Arg(100)->Arg(1000)->Arg(5000);
