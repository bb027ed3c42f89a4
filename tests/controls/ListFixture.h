#pragma once
#include <string>
#include <vector>

#include "controls/ListBoxModel.h"
#include "fakes/FakeClock.h"

namespace qx::test {

// A list 200 x 100 with 20-pixel rows (5 visible), a 10 x 20 thumb (row area 190 wide) and
// rows "r0", "r1", ....
struct ListFixture {
    explicit ListFixture(int rows = 10) {
        lb.SetManualRowHeight(20);
        lb.SetScrollThumbImage({10, 20});
        lb.SetSize(200, 100);
        for (int i = 0; i < rows; ++i) lb.Items().Add("r" + std::to_string(i));
    }
    // Middle of row `row` when the list is scrolled to the top.
    static int RowY(int row) { return row * 20 + 10; }
    void Click(int row, MouseModifiers modifiers = {}, MouseButton button = MouseButton::Left, int x = 50) {
        lb.MouseDown(button, x, RowY(row) - lb.TopIndex() * 20, modifiers);
        lb.MouseUp(button, x, RowY(row) - lb.TopIndex() * 20, modifiers);
    }
    std::vector<int> Marked() const { return lb.MarkedIndices(); }

    FakeClock clock;
    ListBoxModel lb{clock};
};

}  // namespace qx::test
