#include <gtest/gtest.h>

#include "controls/ListFixture.h"
#include "controls/ScrollGeometry.h"

namespace qx {
namespace {

using test::ListFixture;

TEST(ScrollGeometry, RoundsHalvesToEvenAndCountsVisibleRows) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(VisibleRowCount(110, 0, 20), 6);   // 5.5
    EXPECT_EQ(VisibleRowCount(90, 0, 20), 4);    // 4.5
    EXPECT_EQ(VisibleRowCount(100, 15, 20), 4);  // 4.25
    EXPECT_EQ(VisibleRowCount(100, 0, 0), 0);
    EXPECT_EQ(ColourDepthClass(24), 6);
    EXPECT_EQ(ColourDepthClass(32), 7);
}

TEST(ScrollGeometry, ThumbFollowsTheFirstVisibleRowAndMapsBackClamped) {
    // Height 100, thumb 20 high: track 80; 10 rows, 5 visible.
    const ScrollGeometry g = ComputeScrollGeometry(100, 10, 5, 0, {10, 20}, {});
    EXPECT_EQ(g.trackHeight, 80);
    EXPECT_EQ(g.maxTopIndex, 5);
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
