// One paint of a 30-row list's images into the off-screen pixels: every row marked (folder
// browsing with all rows selected), the mark blended through its per-pixel alpha image and a
// folder arrow blended on each row; then the same rows with the fading mark.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/RowImages.h"
#include "skin/RowPlan.h"

namespace {

qx::SkinImage Image(int width, int height, std::uint32_t colour) {
    return std::make_shared<qx::PixelImage>(
        qx::PixelImage{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour)});
}

// The mark and arrow alpha images as gradients, so no pixel takes a shortcut.
qx::SkinImage Gradient(int width, int height) {
    auto image = std::make_shared<qx::PixelImage>(qx::PixelImage{width, height, {}});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t level = static_cast<std::uint32_t>((x * 255 / width + y * 7) & 0xFF);
            image->pixels.push_back(level * 0x010101u);
        }
    return image;
}

constexpr int kRows = 30;
constexpr int kWidth = 400;

void PaintRows(benchmark::State& state, bool fade) {
    qx::SkinLook look;
    look.properties.stretchMark = false;
    look.properties.alphaMark = true;
    look.properties.fadeFolderSelection = fade;
    look.list.field = Image(kWidth, 19, 0xFFF0F0F0);
    look.list.field2 = Image(kWidth, 19, 0xFFE8E8E8);
    look.list.mark = Image(kWidth, 19, 0xFF3060C0);
    look.list.markAlpha = Gradient(kWidth, 19);
    look.arrows[0] = Image(16, 16, 0xFF404040);
    look.arrows[2] = Gradient(16, 16);
    const qx::PixelImage ramp = *Gradient(8, 19);
    qx::RowMetrics metrics;
    metrics.folderArrowTop = 1;
    qx::PixelImage canvas{kWidth, kRows * 19, std::vector<std::uint32_t>(kWidth * kRows * 19, 0xFFFFFFFF)};
    const auto measure = [](std::string_view text) { return static_cast<int>(text.size()) * 7; };

    qx::RowContext context;
    context.mode = qx::ListMode::FileFolder;
    context.drawWidth = kWidth - 12;
    context.selected = true;
    context.markToText = true;
    context.markTextExtra = 9;
    std::vector<qx::RowInput> rows;
    for (int i = 0; i < kRows; ++i)
        rows.push_back({"Folder number " + std::to_string(i), true, false, true, "", ""});

    for (auto _ : state) {
        for (int i = 0; i < kRows; ++i) {
            context.index = i;
            const qx::RowPlan plan = qx::PlanRow(rows[i], context, look, metrics, measure);
            qx::DrawRowImages(canvas, plan, look, false, metrics.rowHeight, &ramp);
        }
        benchmark::DoNotOptimize(canvas.pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_PaintRowsAlphaMark(benchmark::State& state) { PaintRows(state, false); }
BENCHMARK(BM_PaintRowsAlphaMark)->Unit(benchmark::kMicrosecond);

void BM_PaintRowsFadeMark(benchmark::State& state) { PaintRows(state, true); }
BENCHMARK(BM_PaintRowsFadeMark)->Unit(benchmark::kMicrosecond);

}  // namespace
