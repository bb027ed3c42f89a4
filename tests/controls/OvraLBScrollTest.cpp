#include <gtest/gtest.h>

#include "controls/OvraLBScroll.h"
#include "controls/OvraLBTestList.h"

namespace qx {
namespace {

using test::ListFixture;

TEST(OvraLBScroll, RoundsHalvesToEvenAndCountsVisibleRows) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.51), 3);
    EXPECT_EQ(VisibleRowCount(110, 0, 20), 6);  // 5.5
    EXPECT_EQ(VisibleRowCount(90, 0, 20), 4);   // 4.5
    EXPECT_EQ(VisibleRowCount(100, 15, 20), 4);  // 4.25
    EXPECT_EQ(VisibleRowCount(10, 20, 20), 0);
    EXPECT_EQ(VisibleRowCount(100, 0, 0), 0);
}

TEST(OvraLBScroll, ThumbTopFollowsTheFirstVisibleRowAlongTheTrack) {
    // Height 100, thumb 20 high: track 80; 10 rows, 5 visible: largest first row 5.
    ScrollGeometry g = ComputeScrollGeometry(100, 10, 5, 0, {10, 20}, {});
    EXPECT_EQ(g.trackHeight, 80);
    EXPECT_EQ(g.maxTopIndex, 5);
    EXPECT_EQ(g.thumbTop, 0);
    EXPECT_EQ(ComputeScrollGeometry(100, 10, 5, 5, {10, 20}, {}).thumbTop, 80);
    EXPECT_EQ(ComputeScrollGeometry(100, 10, 5, 2, {10, 20}, {}).thumbTop, 32);
    EXPECT_EQ(ComputeScrollGeometry(100, 10, 5, 99, {10, 20}, {}).thumbTop, 80);
    // A grip takes its height off the track.
    g = ComputeScrollGeometry(100, 10, 5, 5, {10, 20}, {8, 10});
    EXPECT_EQ(g.trackHeight, 70);
    EXPECT_EQ(g.thumbTop, 70);
    EXPECT_EQ(g.ThumbRect(200), (Rect{190, 70, 200, 90}));
    // Everything fits: the thumb stays at the top and the list cannot scroll.
    g = ComputeScrollGeometry(100, 5, 5, 0, {10, 20}, {});
    EXPECT_EQ(g.thumbTop, 0);
    EXPECT_FALSE(g.CanScroll());
    // A thumb taller than the control leaves no track; nothing divides by zero.
    g = ComputeScrollGeometry(10, 10, 1, 3, {10, 20}, {});
    EXPECT_EQ(g.thumbTop, 0);
    EXPECT_EQ(TopIndexForThumbCentre(g, 5), 0);
    EXPECT_EQ(TopIndexForThumbTop(g, 5), 0);
}

TEST(OvraLBScroll, TrackPositionsMapBackToRowsClamped) {
    const ScrollGeometry g = ComputeScrollGeometry(100, 10, 5, 0, {10, 20}, {});
    EXPECT_EQ(TopIndexForThumbCentre(g, 50), 2);  // (50 - 10) * 5 / 80 = 2.5
    EXPECT_EQ(TopIndexForThumbCentre(g, 60), 3);  // 3.125
    EXPECT_EQ(TopIndexForThumbCentre(g, 0), 0);
    EXPECT_EQ(TopIndexForThumbCentre(g, 99), 5);
    EXPECT_EQ(TopIndexForThumbTop(g, 32), 2);
    EXPECT_EQ(TopIndexForThumbTop(g, -40), 0);
}

TEST(OvraLBScroll, ColourDepthClassKnowsOnlyTrueColourWithAndWithoutAlpha) {
    EXPECT_EQ(ColourDepthClass(1), 6);
    EXPECT_EQ(ColourDepthClass(16), 6);
    EXPECT_EQ(ColourDepthClass(24), 6);
    EXPECT_EQ(ColourDepthClass(32), 7);
    EXPECT_EQ(ColourDepthClass(64), 7);
    EXPECT_EQ(ColourDepthClass(0), 6);
    EXPECT_EQ(ColourDepthClass(-3), 6);
}

TEST(OvraLBScroll, ScrollByClampsToTheRows) {
    ListFixture f;
    int repaints = 0;
    f.lb.OnRepaint = [&](int) { ++repaints; };
    f.lb.ScrollBy(3);
    EXPECT_EQ(f.lb.TopIndex(), 3);
    f.lb.ScrollBy(100);
    EXPECT_EQ(f.lb.TopIndex(), 5);
    f.lb.ScrollBy(-100);
    EXPECT_EQ(f.lb.TopIndex(), 0);
    EXPECT_EQ(repaints, 3);
    // Shrinking rows pull the first visible row back.
    f.lb.SetTopIndex(5);
    f.lb.SetSize(200, 200);
    EXPECT_EQ(f.lb.TopIndex(), 0);
    ListFixture fits(3);
    fits.lb.ScrollBy(2);
    EXPECT_EQ(fits.lb.TopIndex(), 0);
}

TEST(OvraLBScroll, TrackClickJumpsAndThumbDragFollowsThePointer) {
    ListFixture f;
    f.lb.MouseDown(MouseButton::Left, 195, 60, {});  // below the thumb (0..20)
    EXPECT_EQ(f.lb.TopIndex(), 3);
    f.lb.MouseUp(MouseButton::Left, 195, 60, {});

    f.lb.SetTopIndex(0);
    f.lb.MouseDown(MouseButton::Left, 195, 5, {});  // on the thumb, grabbed 5 below its top
    EXPECT_EQ(f.lb.TopIndex(), 0);
    f.lb.MouseMove(195, 37, true);  // thumb top 32
    EXPECT_EQ(f.lb.TopIndex(), 2);
    f.lb.MouseMove(120, 500, true);  // far below, off the bar: still dragging
    EXPECT_EQ(f.lb.TopIndex(), 5);
    f.lb.MouseMove(195, 5, true);  // back at the press height: the row at the press
    EXPECT_EQ(f.lb.TopIndex(), 0);
    f.lb.MouseUp(MouseButton::Left, 195, 5, {});
    f.lb.MouseMove(195, 60, true);  // no press any more
    EXPECT_EQ(f.lb.TopIndex(), 0);
}

}  // namespace
}  // namespace qx
