// The skin's work on the user-interface thread: loading a custom skin the size of "Slate"
// (a 560 x 420 background, 41 small bitmaps) from the in-memory file system, and composing
// the background for a new window height, which each step of a resize drag does.
#include <benchmark/benchmark.h>

#include "fakes/FakeFileSystem.h"
#include "skin/Skin.h"
#include "skin/SkinTestFiles.h"

namespace {

const std::string kSkins = "C:\\Q\\Skins\\";

struct BenchSkin {
    BenchSkin() {
        qx::test::PutSkinFolder(files, kSkins + "Big\\",
                                "HasBackBitmap=1\r\nHasBottomImage=1\r\nAllowCustomBackground=1\r\n");
        files.Put(kSkins + "Big\\Hintergrund\\FullBackground.bmp", qx::test::SolidBmp(560, 420, 0x252A32));
        files.Put(kSkins + "Big\\Hintergrund\\BottomImage.bmp", qx::test::SolidBmp(560, 12, 0x1E232A));
        files.Put("C:\\picture.bmp", qx::test::SolidBmp(800, 600, 0x405060));
        skin.SetCustomBackgroundPath("C:\\picture.bmp");
    }
    qx::test::FakeFileSystem files;
    qx::Skin skin{qx::SkinSources{files, nullptr, kSkins}};
};

void BM_LoadCustomSkin(benchmark::State& state) {
    BenchSkin bench;
    for (auto _ : state) {
        if (bench.skin.Choose({"Big", qx::kFirstCustomTag})) state.SkipWithError("the skin did not load");
    }
}
BENCHMARK(BM_LoadCustomSkin)->Unit(benchmark::kMillisecond);

void BM_ComposeBackground(benchmark::State& state) {
    BenchSkin bench;
    if (bench.skin.Choose({"Big", qx::kFirstCustomTag})) state.SkipWithError("the skin did not load");
    int height = 300;
    for (auto _ : state) {
        bench.skin.ComposeBackground(height, 540, height - 60);
        height = height == 400 ? 300 : height + 1;
    }
}
BENCHMARK(BM_ComposeBackground)->Unit(benchmark::kMicrosecond);

}  // namespace
