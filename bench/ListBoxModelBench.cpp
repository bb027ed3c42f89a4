// The list control's per-event work on large lists: selecting a row (every mark is cleared),
// a keyboard step, a paint of the rows in view, and moving a marked row.
#include <benchmark/benchmark.h>

#include <string>

#include "controls/ListBoxModel.h"
#include "fakes/FakeClock.h"

namespace {

struct BenchList {
    explicit BenchList(int rows) {
        lb.SetManualRowHeight(19);
        lb.SetScrollThumbImage({12, 30});
        lb.SetSize(400, 600);
        lb.Items().Reserve(rows);
        for (int i = 0; i < rows; ++i) lb.Items().Add(std::string("entry ").append(std::to_string(i)));
    }
    qx::test::FakeClock clock;
    qx::ListBoxModel lb{clock};
};

void BM_SetSelected(benchmark::State& state) {
    BenchList list(static_cast<int>(state.range(0)));
    int row = 0;
    for (auto _ : state) {
        list.lb.SetSelected(row);
        row = (row + 7) % list.lb.Count();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetSelected)->Arg(1000)->Arg(10000)->Arg(100000);

void BM_KeyboardStep(benchmark::State& state) {
    BenchList list(static_cast<int>(state.range(0)));
    list.lb.SetSelected(0);
    int direction = 1;
    for (auto _ : state) {
        if (list.lb.SelectedIndex() == list.lb.Count() - 1) direction = -1;
        if (list.lb.SelectedIndex() == 0) direction = 1;
        list.clock.now += 20;  // a held key's pace: every step moves
        list.lb.MoveSelection(direction);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KeyboardStep)->Arg(10000);

void BM_PaintRowsInView(benchmark::State& state) {
    BenchList list(10000);
    list.lb.SetSelected(5);
    list.lb.SetTopIndex(3);
    long long rows = 0;
    list.lb.OnDrawItem = [&rows](int index, const qx::Rect& rect, const qx::RowState& rowState) {
        rows += index + rect.top + (rowState.marked ? 1 : 0);
    };
    for (auto _ : state) {
        list.lb.Paint();
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_PaintRowsInView);

void BM_MoveMarkedRow(benchmark::State& state) {
    BenchList list(static_cast<int>(state.range(0)));
    list.lb.AllowMove = true;
    list.lb.SetSelected(0);
    int direction = 1;
    for (auto _ : state) {
        if (list.lb.SelectedIndex() == list.lb.Count() - 1) direction = -1;
        if (list.lb.SelectedIndex() == 0) direction = 1;
        list.clock.now += 20;
        list.lb.MoveSelection(direction, true);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MoveMarkedRow)->Arg(10000);

}  // namespace
