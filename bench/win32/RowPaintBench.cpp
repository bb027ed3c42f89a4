// A full repaint of a 30-row result list as the window paints it: background, scroll bar,
// fields, alpha marks on every row, arrows, a 32-pixel icon and the name of each row, all into
// a 32-bit DIB section. Prints the median and the fastest of many repaints.
//
//   wine build/mingw/quillox_row_paint_bench.exe [repaints]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/Clock.h"
#include "platform/win32/UniqueHandle.h"
#include "skin/win32/RowPainter.h"

namespace {

using namespace qx;

class StillClock : public IClock {
public:
    std::uint64_t NowMs() const override { return 0; }
};

SkinImage Gradient(int width, int height, std::uint32_t rgb) {
    auto image = std::make_shared<PixelImage>();
    image->width = width;
    image->height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image->pixels.push_back(0xFF000000 | (rgb + static_cast<std::uint32_t>(x + y)));
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    const int repaints = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    constexpr int kWidth = 400, kRows = 30, kRowHeight = 35;
    constexpr int kHeight = kRows * kRowHeight;

    SkinLook look;
    look.properties.alphaMark = true;
    look.properties.stretchMark = false;
    look.properties.alphaScrollbar = true;
    look.list.field = Gradient(kWidth, kRowHeight, 0x202020);
    look.list.field2 = Gradient(kWidth, kRowHeight, 0x303030);
    look.list.mark = Gradient(kWidth, kRowHeight, 0x804020);
    look.list.markAlpha = Gradient(kWidth, kRowHeight, 0x606060);
    look.list.scrollTrack = Gradient(12, 40, 0x101010);
    look.list.scrollThumb = Gradient(12, 30, 0xC0C0C0);
    look.list.scrollThumbAlpha = Gradient(12, 30, 0x808080);
    for (int i = 0; i < 8; ++i) look.arrows[static_cast<std::size_t>(i)] = Gradient(i % 2 ? 16 : 8, i % 2 ? 16 : 8, 0x404040);

    StillClock clock;
    ListBoxModel model(clock);
    model.Multiselect = true;
    RowPainter painter;
    painter.SetLook(look, model);
    RowMetrics metrics;
    metrics.iconSize = 32;
    metrics.rowHeight = kRowHeight;
    metrics.textLeft = 36;
    metrics.fontHeight = 16;
    painter.SetMetrics(metrics);
    model.SetManualRowHeight(kRowHeight);
    model.SetSize(kWidth, kHeight);
    for (int i = 0; i < 100; ++i) model.Items().Add("Entry number " + std::to_string(i) + " with a longer name");

    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return 1;
    ScopedSelectObject selected(dc.get(), bitmap.get());
    UniqueFont font(CreateFontA(16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, "Arial"));
    ScopedSelectObject fontSelected(dc.get(), font.get());
    const std::shared_ptr<void> icon(LoadIconA(nullptr, MAKEINTRESOURCEA(32512)), [](void*) {});

    const auto pixels = [&] {
        GdiFlush();
        return PixelView(kWidth, kHeight, static_cast<std::uint32_t*>(bits));
    };
    std::vector<double> ms;
    for (int round = 0; round < repaints; ++round) {
        // Every row marked: the alpha blend runs on all 30.
        for (int i = 0; i < kRows; ++i) model.Items().Data(i).marked = true;
        const auto start = std::chrono::steady_clock::now();
        painter.DrawBackground(dc.get(), pixels(), model);
        for (int i = model.TopIndex(); i <= model.LastPaintRow(); ++i) {
            RowToPaint row;
            row.input.text = model.Items().Strings(i);
            row.input.hasTarget = true;
            row.icon = icon;
            painter.DrawRow(dc.get(), pixels(), model, i, row, RowContext{});
        }
        GdiFlush();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("full repaint of %d rows (%dx%d): median %.2f ms, min %.2f ms over %d repaints\n", kRows, kWidth,
                kHeight, ms[ms.size() / 2], ms.front(), repaints);
    return 0;
}
