#include <gtest/gtest.h>

#include "fakes/FakeClock.h"
#include "skin/ImageButtonModel.h"

namespace qx {
namespace {

// One button through mouse events and timer ticks at given clock times.
TEST(ImageButtonModel, LevelStepsEvery10MsAndTurnsFromTheLevelReached) {
    enum Ev { Enter, Leave, Press, Release, Tick };
    const ButtonUpdate idle{false, false}, wait{false, true}, step{true, true}, last{true, false};
    struct Step { std::uint64_t at; Ev ev; int level; ButtonUpdate update; };
    const Step steps[] = {
        {1000, Press, 0, wait}, {1009, Tick, 0, wait}, {1010, Tick, 1, step},
        {1012, Leave, 1, wait}, {1020, Tick, 0, last}, {1025, Tick, 0, idle},  // turns at 1
        {1030, Enter, 0, wait}, {1040, Tick, 1, last}, {1041, Press, 1, wait},
        {1045, Enter, 1, last}, {1050, Tick, 1, idle},  // target = level: stopped, face redrawn
        {1060, Leave, 1, wait}, {1100, Tick, 0, last}, {1110, Press, 0, wait},
        {1145, Tick, 2, last}, {1150, Release, 2, wait}, {1160, Tick, 1, step},  // late: catches up
        {1165, Enter, 1, last},
    };
    test::FakeClock clock;
    ImageButtonModel b(clock);
    for (const Step& s : steps) {
        clock.now = s.at;
        const ButtonUpdate u = s.ev == Enter ? b.MouseEnters() : s.ev == Leave ? b.MouseLeaves()
            : s.ev == Press ? b.Pressed() : s.ev == Release ? b.Released() : b.Tick();
        EXPECT_EQ(b.level(), s.level) << "at " << s.at;
        EXPECT_EQ(u, s.update) << "at " << s.at;
    }
}

TEST(ImageButtonModel, DarkeningScalesColourByDistanceToTheBorder) {
    struct Case { int size, x, y, level; std::uint32_t expected; };
    const Case cases[] = {  // centre of 10 x 10 (t = 5/15), next to its edge, on its border;
        {10, 5, 5, 1, 0x80EE5D2F}, {10, 5, 5, 2, 0x80DD572B}, {10, 9, 5, 1, 0x80FC6331},
        {10, 9, 5, 2, 0x80F86131}, {10, 0, 3, 2, 0x80FF6432}, {10, 4, 0, 1, 0x80FF6432},
        // past the ramp; levels whose factor is clamped
        {40, 20, 20, 1, 0x80CC5028}, {40, 20, 20, 2, 0x80993C1E}, {10, 5, 5, 0, 0x80FF6432},
        {40, 20, 20, 9, 0x80000000},
    };
    for (const Case& c : cases) {
        PixelImage face{c.size, c.size, std::vector<std::uint32_t>(c.size * c.size, 0x80FF6432)};
        DarkenFace(face, c.level);
        EXPECT_EQ(face.pixels[c.y * c.size + c.x], c.expected) << c.size << " L" << c.level;
    }
    PixelImage bad{10, 10, std::vector<std::uint32_t>(50, 0xFFFFFFFF)};  // short buffer
    DarkenFace(bad, 2);
    EXPECT_EQ(bad.pixels, std::vector<std::uint32_t>(50, 0xFFFFFFFF));
}

TEST(ImageButtonModel, PlanPicksTheFaceByStyleAndStateAndPlacesTheCaption) {
    using S = FaceSource;
    using H = HoverStyle;
    struct Case { H style; int level; bool useDown, hideText; ButtonImages has; FacePlan plan; };
    const Case cases[] = {
        {H::Simple, 0, false, false, {true, true, false}, {true, S::Draw, 0, true}},
        {H::Simple, 1, false, false, {true, true, false}, {true, S::Hover, 0, true}},
        {H::Simple, 2, false, true, {true, true, true}, {true, S::Hover, 0, false}},
        {H::Simple, 2, true, false, {true, true, true}, {true, S::Down, 0, true}},
        {H::Simple, 2, true, false, {true, true, false}, {true, S::Hover, 0, true}},
        {H::Simple, 1, false, false, {true, false, true}, {}},  // no hover bitmap
        {H::Darken, 2, false, false, {true, false, false}, {true, S::Draw, 2, true}},
        {H::Darken, 1, false, false, {false, true, true}, {}},  // no draw bitmap
        {H::Imagelist, 2, false, false, {true, false, false}, {true, S::Keep, 0, true}},
    };
    test::FakeClock clock;
    for (const Case& c : cases) {
        ImageButtonModel b(clock);
        b.hoverStyle = c.style;
        b.useDownBitmap = c.useDown;
        b.hideText = c.hideText;
        if (c.level > 0) b.MouseEnters();
        if (c.level > 1) b.Pressed();
        clock.now += 100;
        b.Tick();
        EXPECT_EQ(b.Plan(c.has), c.plan) << static_cast<int>(c.style) << c.level << c.useDown;
        const int push = c.level == 2 ? 1 : 0;  // truncating division, also when negative
        EXPECT_EQ(b.CaptionPosition(75, 20, 40, 13), (CaptionOrigin{17 + push, 2}));
        EXPECT_EQ(b.CaptionPosition(30, 10, 45, 13), (CaptionOrigin{-7 + push, -2}));
    }
}

}  // namespace
}  // namespace qx
