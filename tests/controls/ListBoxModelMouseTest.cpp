#include <gtest/gtest.h>

#include "controls/ListBoxModel.h"
#include "controls/ListFixture.h"
#include "controls/ScrollGeometry.h"

namespace qx {
namespace {

using test::ListFixture;
using Ints = std::vector<int>;
using Sizes = std::vector<std::pair<int, int>>;
constexpr MouseModifiers kShift{.shift = true, .ctrl = false};
constexpr MouseModifiers kCtrl{.shift = false, .ctrl = true};

TEST(ListBoxModelMouse, ZonesSplitRowsScrollBarAndGrip) {
    ListFixture f;
    f.lb.SetResizeImage({8, 10});
    const std::tuple<int, int, ListZone> cases[] = {
        {-1, 10, ListZone::Outside},    {200, 10, ListZone::Outside},   {10, 100, ListZone::Outside},
        {189, 99, ListZone::Rows},      {190, 80, ListZone::ScrollBar}, {192, 90, ListZone::Grip},
        {191, 90, ListZone::ScrollBar}, {192, 89, ListZone::ScrollBar},
    };
    for (const auto& [x, y, zone] : cases) EXPECT_EQ(f.lb.ZoneAt(x, y), zone) << x << "," << y;
    f.lb.SetSelected(1);
    f.lb.MouseDown(MouseButton::Left, -5, 50, {});
    EXPECT_EQ(f.lb.SelectedIndex(), 1);
}

TEST(ListBoxModelMouse, ShiftClickWithoutMultiselectSelectsOnlyTheClickedRow) {
    ListFixture f;
    f.Click(1);
    f.Click(4, kShift);
    EXPECT_EQ(f.Marked(), Ints{4});
    EXPECT_EQ(f.lb.AnchorIndex(), 4);
    f.Click(2, kCtrl);
    EXPECT_EQ(f.Marked(), Ints{2});
    // Below the last row the click lands on the last row.
    ListFixture few(3);
    few.lb.MouseDown(MouseButton::Left, 50, 90, {});
    EXPECT_EQ(few.lb.SelectedIndex(), 2);
}

TEST(ListBoxModelMouse, CtrlTogglesAndShiftMarksFromTheAnchorWithMultiselect) {
    ListFixture f;
    f.lb.Multiselect = true;
    f.Click(1);
    f.Click(4, kCtrl);
    f.Click(2, kShift);
    EXPECT_EQ(f.Marked(), (Ints{2, 3, 4}));
    EXPECT_EQ(f.lb.AnchorIndex(), 4);
    f.Click(3, kCtrl);
    EXPECT_EQ(f.Marked(), (Ints{2, 4}));
    EXPECT_EQ(f.lb.AnchorIndex(), 3);
    // A plain press on a marked row keeps the marking until the button comes up.
    f.lb.MouseDown(MouseButton::Left, 50, f.RowY(4), {});
    EXPECT_EQ(f.Marked(), (Ints{2, 4}));
    f.lb.MouseUp(MouseButton::Left, 50, f.RowY(4), {});
    EXPECT_EQ(f.Marked(), Ints{4});
    f.lb.SetSelected(-1);
    f.Click(1, kShift);  // no anchor in the rows
    EXPECT_EQ(f.Marked(), Ints{1});
}

TEST(ListBoxModelMouse, SecondClickOnTheSelectedRowWithin2000MsAsksForAnEdit) {
    ListFixture f;
    std::vector<int> edits;
    f.lb.OnBeginEdit = [&](int row) { edits.push_back(row); };
    f.Click(2);  // selects: no edit
    f.clock.now += 1999;
    f.Click(2);
    EXPECT_EQ(edits, Ints{2});
    f.clock.now += 3000;
    f.Click(2);
    f.clock.now += 2000;  // a pause of 2000 ms starts the counter again
    f.Click(2);
    EXPECT_EQ(edits, Ints{2});
    f.clock.now += 500;
    f.Click(2);
    EXPECT_EQ(edits, (Ints{2, 2}));
    // Another row, modifier keys, the right button, a double click or a release
    // over the scroll bar never ask.
    f.clock.now += 5000;
    f.Click(3);
    f.Click(4);
    f.Click(4, kShift);
    f.Click(4, kCtrl);
    f.lb.MouseDown(MouseButton::Left, 50, f.RowY(4), {}, true);
    f.lb.MouseUp(MouseButton::Left, 50, f.RowY(4), {});
    f.Click(4, {}, MouseButton::Right);
    f.lb.MouseDown(MouseButton::Left, 50, f.RowY(4), {});
    f.lb.MouseUp(MouseButton::Left, 195, f.RowY(4), {});
    f.lb.AllowEditOnClick = false;
    f.Click(4);
    EXPECT_EQ(edits, (Ints{2, 2}));
}

TEST(ListBoxModelMouse, DoubleClickOnRowsAndRightClickMenu) {
    ListFixture f;
    int doubleClicks = 0;
    f.lb.OnDblClick = [&](MouseModifiers) { ++doubleClicks; };
    f.lb.MouseDown(MouseButton::Left, 50, f.RowY(1), {}, true);
    f.lb.MouseDown(MouseButton::Left, 195, 50, {}, true);
    EXPECT_EQ(doubleClicks, 1);

    ListFixture g;
    Sizes menus;
    g.lb.OnContextMenu = [&](int x, int y) { menus.emplace_back(x, y); };
    g.Click(3, {}, MouseButton::Right, 40);
    EXPECT_EQ(g.Marked(), Ints{3});
    g.lb.RightClickSelects = false;
    g.Click(1, {}, MouseButton::Right);
    EXPECT_EQ(g.lb.SelectedIndex(), 3);
    g.lb.SetSelected(-1);
    g.Click(1, {}, MouseButton::Right);  // no selection: no menu
    EXPECT_EQ(menus, (Sizes{{40, 70}, {50, 30}}));
}

TEST(ListBoxModelMouse, FolderModeDeselectsBesideTheTextAndKeepsMarksForTheMenu) {
    ListFixture f;
    f.lb.SetFolderMode(true);
    f.lb.TextLeft = 19;
    f.lb.MarkTextExtra = 9;
    f.lb.MeasureText = [](const std::string& text) { return static_cast<int>(text.size()) * 7; };
    EXPECT_FALSE(f.lb.IsOnRowText(1, 42));  // "r1" is 14 wide: 19 + 14 + 9
    f.Click(1, {}, MouseButton::Left, 30);
    f.Click(2, kCtrl, MouseButton::Left, 30);
    f.Click(1, {}, MouseButton::Right, 30);
    EXPECT_EQ(f.Marked(), (Ints{1, 2}));
    f.Click(2, {}, MouseButton::Left, 100);
    EXPECT_TRUE(f.Marked().empty());
    EXPECT_EQ(f.lb.AnchorIndex(), -1);
    // Rows are not clamped: below the last row is beside every text.
    ListFixture few(2);
    few.lb.SetFolderMode(true);
    few.Click(0);
    few.lb.MouseDown(MouseButton::Left, 30, 70, {});
    EXPECT_EQ(few.lb.SelectedIndex(), -1);
}

TEST(ListBoxModelMouse, HoverFollowsThePointerUnclampedAndRestsDuringAndAfterEdits) {
    ListFixture f(3);
    f.lb.MouseMove(50, f.RowY(4), false);
    f.lb.MouseMove(195, f.RowY(0), false);  // over the scroll bar: unchanged
    EXPECT_EQ(f.lb.HoverIndex(), 4);
    f.lb.BeginEdit(0);
    f.lb.EndEdit();
    f.lb.MouseMove(50, f.RowY(2), false);  // rests until the next click
    EXPECT_EQ(f.lb.HoverIndex(), 4);
    f.Click(0);
    f.lb.MouseMove(50, f.RowY(2), false);
    EXPECT_EQ(f.lb.HoverIndex(), 2);
    f.lb.MouseLeave();
    EXPECT_EQ(f.lb.HoverIndex(), -1);
}

TEST(ListBoxModelMouse, DraggingInTheRowsMovesOneRowPerMove) {
    ListFixture f;
    f.lb.MouseDown(MouseButton::Left, 50, f.RowY(1), {});
    for (int i = 0; i < 4; ++i) f.lb.MouseMove(50, f.RowY(4), true);
    EXPECT_EQ(f.lb.SelectedIndex(), 4);
    f.lb.MouseUp(MouseButton::Left, 50, f.RowY(4), {});

    ListFixture moving(4);
    moving.lb.AllowMove = true;
    moving.lb.MouseDown(MouseButton::Left, 50, moving.RowY(0), {});
    moving.lb.MouseMove(50, moving.RowY(2), true);
    moving.lb.MouseMove(50, moving.RowY(2), true);
    EXPECT_EQ(moving.lb.Items().Strings(2), "r0");
    EXPECT_EQ(moving.Marked(), Ints{2});
}

TEST(ListBoxModelMouse, GripDragResizesAndReportsTheEndOnce) {
    ListFixture f;
    f.lb.SetResizeImage({8, 10});
    Sizes asked, reported;
    int finished = 0;
    f.lb.ResizeByOwner = [&](int w, int h) { asked.emplace_back(w, h); };
    f.lb.OnResize = [&](int w, int h) { reported.emplace_back(w, h); };
    f.lb.OnResizeFinished = [&] { ++finished; };
    f.lb.MouseDown(MouseButton::Left, 195, 95, {});
    f.lb.MouseMove(215, 125, true);
    f.lb.MouseMove(180, 60, true);
    f.lb.MouseUp(MouseButton::Left, 180, 60, {});
    f.lb.MouseUp(MouseButton::Left, 180, 60, {});
    EXPECT_EQ(asked, (Sizes{{220, 130}, {185, 65}}));
    EXPECT_EQ(reported, asked);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(f.lb.Width(), 200);  // the owner resizes
}

TEST(ScrollGeometry, RoundsHalvesToEvenAndCountsVisibleRows) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(VisibleRowCount(110, 0, 20), 6);   // 5.5
    EXPECT_EQ(VisibleRowCount(90, 0, 20), 4);    // 4.5
    EXPECT_EQ(VisibleRowCount(100, 15, 20), 4);  // 4.25
    EXPECT_EQ(VisibleRowCount(100, 0, 0), 0);
}

TEST(ScrollGeometry, ThumbFollowsTheFirstVisibleRowAndMapsBackClamped) {
    // Height 100, thumb 20 high: track 80; 10 rows, 5 visible.
    const ScrollGeometry g = ComputeScrollGeometry(100, 10, 5, 0, {10, 20}, {});
    EXPECT_EQ(ComputeScrollGeometry(100, 10, 5, 2, {10, 20}, {}).thumbTop, 32);
    EXPECT_EQ(ComputeScrollGeometry(100, 10, 5, 99, {10, 20}, {}).thumbTop, 80);
    EXPECT_EQ(TopIndexForThumbCentre(g, 50), 2);  // 2.5
    EXPECT_EQ(TopIndexForThumbCentre(g, 60), 3);  // 3.125
    EXPECT_EQ(TopIndexForThumbCentre(g, 99), 5);
    EXPECT_EQ(TopIndexForThumbTop(g, -40), 0);
    // A grip takes its height off the track.
    const ScrollGeometry grip = ComputeScrollGeometry(100, 10, 5, 5, {10, 20}, {8, 10});
    EXPECT_EQ(grip.ThumbRect(200), (Rect{190, 70, 200, 90}));
    EXPECT_FALSE(ComputeScrollGeometry(100, 5, 5, 0, {10, 20}, {}).CanScroll());
    // A thumb taller than the control leaves no track; nothing divides by zero.
    const ScrollGeometry none = ComputeScrollGeometry(10, 10, 1, 3, {10, 20}, {});
    EXPECT_EQ(none.thumbTop, 0);
    EXPECT_EQ(TopIndexForThumbCentre(none, 5), 0);
}

TEST(ScrollGeometry, ScrollByTrackClickAndThumbDragStayInTheRows) {
    ListFixture f;
    f.lb.ScrollBy(100);
    EXPECT_EQ(f.lb.TopIndex(), 5);
    f.lb.SetSize(200, 200);  // all rows fit now
    EXPECT_EQ(f.lb.TopIndex(), 0);
    f.lb.SetSize(200, 100);

    f.lb.MouseDown(MouseButton::Left, 195, 60, {});  // below the thumb
    EXPECT_EQ(f.lb.TopIndex(), 3);
    f.lb.MouseUp(MouseButton::Left, 195, 60, {});
    f.lb.SetTopIndex(0);
    f.lb.MouseDown(MouseButton::Left, 195, 5, {});  // on the thumb, 5 below its top
    f.lb.MouseMove(195, 37, true);                   // thumb top 32
    EXPECT_EQ(f.lb.TopIndex(), 2);
    f.lb.MouseMove(120, 500, true);  // off the bar: still dragging
    EXPECT_EQ(f.lb.TopIndex(), 5);
    f.lb.MouseUp(MouseButton::Left, 120, 500, {});
    f.lb.MouseMove(195, 5, true);  // no press any more
    EXPECT_EQ(f.lb.TopIndex(), 5);
}

}  // namespace
}  // namespace qx
