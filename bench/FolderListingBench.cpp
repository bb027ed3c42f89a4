// Browsing a real folder of 10,000 files: the file system's own enumeration alone, the whole
// listing (enumeration, natural sort, ranking by the filter, rows), and the timer's re-read of
// the unchanged folder. The names share their first bytes, as a folder of "file123.txt" does:
// the simple database's worst case.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "controls/ListBoxModel.h"
#include "fakes/FakeClock.h"
#include "platform/StdFileSystem.h"
#include "search/FolderBrowser.h"
#include "search/PrefixCharacters.h"
#include "search/QueryState.h"

namespace {

namespace fs = std::filesystem;
constexpr int kFiles = 10000;

// The folder, made once and removed when the program ends.
struct BenchFolder {
    BenchFolder() {
        path = fs::temp_directory_path() / ("qx-folder-bench-" + std::to_string(::getpid()));
        fs::create_directories(path);
        for (int i = 0; i < kFiles; ++i) std::ofstream(path / ("file" + std::to_string(i * 7919 % 100003) + ".txt"));
        for (int i = 0; i < 20; ++i) fs::create_directory(path / ("folder" + std::to_string(i)));
    }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    // As the program names it: backslashes, with a trailing one.
    std::string WindowsPath() const {
        std::string text = path.string();
        for (char& c : text)
            if (c == '/') c = '\\';
        return text + "\\";
    }
    fs::path path;
};

const BenchFolder& Folder() {
    static const BenchFolder folder;
    return folder;
}

// The typed drive "B:\" stands for the bench folder.
class BenchQueryHooks : public qx::IQueryHooks {
public:
    void CloseBalloonTip() override {}
    bool IsFolderBrowsing() const override { return true; }
    void SetFolderBrowsing(bool) override {}
    bool IsInputLockFree() const override { return true; }
    void SwitchToSearchResults() override {}
    bool IsInputLineHidden() const override { return false; }
    void RepaintTopBar() override {}
    std::string ExpandPath(const std::string& path) const override {
        return path.starts_with("B:\\") ? Folder().WindowsPath() + path.substr(3) : path;
    }
};

struct Browsing {
    explicit Browsing(const std::string& input) {
        query.FormEditChange(input);
        browser.SetActive(true);
    }
    qx::test::FakeClock clock;
    qx::StdFileSystem files;
    qx::PrefixCharacters prefixes;
    BenchQueryHooks hooks;
    qx::QueryState query{prefixes, hooks};
    qx::ListBoxModel list{clock};
    qx::FolderBrowser browser{{list, query, files, nullptr, clock, {}, {}, {}}, {}};
};

const char* FilterOf(const benchmark::State& state) { return state.range(0) == 0 ? "" : "12"; }

void BM_FindItems(benchmark::State& state) {
    const std::string folder = Folder().WindowsPath();
    const std::string pattern = std::string("*") + FilterOf(state) + "*";
    qx::StdFileSystem files;
    for (auto _ : state) benchmark::DoNotOptimize(files.FindItems(folder, pattern));
}

void BM_ListFolder(benchmark::State& state) {
    Folder();
    Browsing browsing(std::string("<B:\\") + FilterOf(state));
    for (auto _ : state) browsing.browser.ListFolder();
    state.counters["rows"] = browsing.list.Count();
}

void BM_RefreshUnchangedFolder(benchmark::State& state) {
    Folder();
    Browsing browsing(std::string("<B:\\") + FilterOf(state));
    browsing.browser.ListFolder();
    for (auto _ : state) browsing.browser.RefreshFolder(true, false, false);
    if (browsing.browser.refreshRowChanges() != 0) state.SkipWithError("the unchanged folder changed rows");
}

}  // namespace

BENCHMARK(BM_FindItems)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListFolder)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshUnchangedFolder)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
