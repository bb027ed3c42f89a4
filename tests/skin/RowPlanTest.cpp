#include <gtest/gtest.h>

#include "skin/RowPlan.h"

namespace qx {
namespace {

int TenPerCharacter(std::string_view text) { return static_cast<int>(text.size()) * 10; }

SkinImage Image(int width, int height) {
    return std::make_shared<PixelImage>(PixelImage{width, height, std::vector<std::uint32_t>(width * height)});
}

TEST(RowMetrics, SmallLargeAndScaled) {
    SkinLook look;
    look.properties.iconOffsetSmall = 2;
    look.properties.iconOffsetLarge = 4;
    look.arrows[0] = Image(9, 9);   // folder arrow, small
    look.arrows[1] = Image(14, 14);  // folder arrow, large; no file arrows
    struct Case { bool large, scale, stretch; double dpi; int system; RowMetrics expected; };
    const Case cases[] = {
        {false, false, true, 1.0, 32, {16, 2, 2, 21, 3, 19, "Arial", 14, 5, 9}},
        {true, false, true, 1.0, 32, {32, 4, 1, 38, 7, 35, "Arial", 16, 10, 17}},
        {true, false, true, 1.0, 48, {48, 4, 1, 54, 15, 51, "Arial", 16, 18, 25}},
        {true, false, true, 1.0, 24, {32, 4, 1, 38, 7, 35, "Arial", 16, 10, 17}},  // odd system size
        // x 1.25: 23.75, 17.5 and 2.5 round to even; the icon size stays
        {false, true, true, 1.25, 32, {16, 2, 2, 26, 4, 24, "Arial", 18, 7, 12}},
        {false, true, false, 1.25, 32, {16, 2, 2, 21, 3, 19, "Arial", 14, 5, 9}},  // fields not stretched
    };
    for (const Case& c : cases) {
        look.properties.stretchFields = c.stretch;
        EXPECT_EQ(ComputeRowMetrics(look, c.large, c.scale, c.dpi, c.system), c.expected) << c.system << c.dpi;
    }
}

struct RowPlanTest : ::testing::Test {
    SkinLook look;
    RowMetrics metrics;  // small icons: text at 21, rows 19 high
    RowContext context;
    RowPlanTest() {
        look.list.selectionColour = 0xFFFFFF;
        look.list.unselectedTextColour = 0x123456;
        metrics.fileArrowTop = 5;
        metrics.folderArrowTop = 4;
        context.drawWidth = 300;
    }
    static RowInput Row(std::string text, bool isFolder = false, bool hasTarget = false, bool listing = false,
                        std::string detail = "", std::string more = "") {
        return RowInput{std::move(text), isFolder, hasTarget, listing, std::move(detail), std::move(more)};
    }
    RowPlan Plan(const RowInput& row) { return PlanRow(row, context, look, metrics, TenPerCharacter); }
};

TEST_F(RowPlanTest, EntryRowWithTargetAndStretchedMark) {
    look.properties.alphaMark = true;  // stretching wins
    context.index = 3;
    context.topIndex = 1;
    context.selected = true;
    const RowPlan plan = Plan(Row("Notepad (NoDelete)", false, true));
    EXPECT_EQ(plan.top, 38);
    EXPECT_EQ(plan.rightColumn, 23);
    EXPECT_EQ(plan.rowRect, (Rect{0, 38, 277, 57}));
    EXPECT_EQ(plan.field, FieldKind::First);
    EXPECT_TRUE(plan.fieldStretched);
    EXPECT_EQ(plan.mark, MarkKind::Stretched);
    EXPECT_EQ(plan.markArea, (Rect{0, 38, 300, 57}));
    EXPECT_EQ(plan.name, (RowText{"Notepad", {21, 41}, {0, 38, 274, 57}, 0xFFFFFF}));
    EXPECT_FALSE(plan.hasDetail);
    EXPECT_EQ(plan.arrow, ArrowKind::File);
    EXPECT_EQ(plan.arrowAt, (Point{280, 43}));

    context.index = 1;  // the topmost visible row uses the first field, the next the second
    EXPECT_EQ(Plan(Row("a")).field, FieldKind::First);
    context.index = 2;
    EXPECT_EQ(Plan(Row("a")).field, FieldKind::Second);
    look.properties.stretchMark = false;
    EXPECT_EQ(Plan(Row("a")).mark, MarkKind::Alpha);
}

TEST_F(RowPlanTest, CommandRowKeepsItsEndAndItsNoDeleteText) {
    context.commandInput = true;
    context.drawWidth = 100;  // room for 7 characters
    EXPECT_EQ(Plan(Row("cmd.exe (NoDelete)")).name.text, "..lete)");
    context.commandInput = false;
    EXPECT_EQ(Plan(Row("a long entry name")).name.text, "a lon..");
}

TEST_F(RowPlanTest, FolderRowsWithDetailFadeMarkAndHalo) {
    look.properties.fadeFolderSelection = true;
    look.properties.hasUnderText = true;
    look.properties.underTextColour = 0xABCDEF;
    context.mode = ListMode::FileFolder;
    context.markToText = true;
    context.markTextExtra = 9;
    context.frozenHover = true;  // its shell menu is open: marked, but not selected
    RowPlan plan = Plan(Row("report.txt", false, false, true, "1.234 KB"));
    EXPECT_EQ(plan.detail, (RowText{"1.234..", {227, 3}, {0, 0, 300, 19}, 0x123456}));
    EXPECT_TRUE(plan.hasDetail && plan.detailTruncated);
    EXPECT_EQ(plan.rightColumn, 73);
    EXPECT_EQ(plan.mark, MarkKind::Fade);
    EXPECT_EQ(plan.markArea, (Rect{0, 0, 130, 19}));  // behind the text
    EXPECT_EQ(plan.name.colour, 0x123456u);
    EXPECT_FALSE(plan.nameHalo || plan.detailHalo);  // no picture under the list

    context.customBackground = true;
    plan = Plan(Row("report.txt", false, false, true, "1.234 KB"));
    EXPECT_TRUE(plan.detailHalo);
    EXPECT_FALSE(plan.nameHalo);  // a marked row's name has none
    EXPECT_EQ(plan.haloColour, 0xABCDEFu);

    context.frozenHover = false;
    plan = Plan(Row("Programs", true, false, true, "", " / more"));
    EXPECT_TRUE(plan.nameHalo);
    EXPECT_EQ(plan.mark, MarkKind::None);
    EXPECT_TRUE(plan.detailTruncated);  // a second detail always wants the tooltip
    EXPECT_EQ(plan.arrow, ArrowKind::Folder);
    EXPECT_EQ(plan.arrowAt, (Point{280, 4}));
    EXPECT_EQ(plan.markRect, (Rect{0, 0, 110, 19}));
}

TEST(ListBackgroundPlan, ThumbTrackAndGrip) {
    SkinLook look;
    look.list.scrollThumb = Image(12, 30);
    look.list.grip = Image(10, 8);
    const ListBackgroundInput still{5, 40, 300, 200, 288, false, 0}, scrolling{5, 40, 300, 200, 288, true, 17};
    ListBackgroundPlan plan = PlanListBackground(still, look);
    EXPECT_EQ(plan, (ListBackgroundPlan{false, {-5, -40}, true, {288, 0, 300, 200}, true, {290, 192},
                                        ThumbKind::Faded, {288, 0}}));
    EXPECT_EQ(PlanListBackground(scrolling, look).thumb, ThumbKind::Opaque);
    look.properties.alphaScrollbar = true;
    look.properties.hideScrollbarBack = true;
    EXPECT_EQ(PlanListBackground(still, look).thumb, ThumbKind::None);
    plan = PlanListBackground(scrolling, look);
    EXPECT_EQ(plan.thumb, ThumbKind::Alpha);
    EXPECT_EQ(plan.thumbAt, (Point{288, 17}));
    EXPECT_FALSE(plan.track);
}

TEST(RowTooltip, ShownOnlyForTruncatedDetailOverTheRows) {
    const RowInput row{"setup.exe", false, false, true, "1.234 KB", " / x"};
    RowTooltip tip = PlanRowTooltip(row, true, true, false, 1);
    EXPECT_EQ(tip.title, "File information");
    EXPECT_EQ(tip.text, "Name: setup.exe\n\rDetails: 1.234 KB / x");
    EXPECT_TRUE(tip.show);
    EXPECT_FALSE(PlanRowTooltip(row, true, false, false, 0).show);  // over the scroll bar
    EXPECT_FALSE(PlanRowTooltip(row, true, true, true, 0).show);    // button held
    EXPECT_FALSE(PlanRowTooltip(row, false, true, false, 0).show);
    tip = PlanRowTooltip(RowPlanTest::Row("x", false, false, true, "@nod"), true, true, false, 0);
    EXPECT_EQ(tip.title, "Dateiinfo");
    EXPECT_EQ(tip.text, "Name: x");
}

}  // namespace
}  // namespace qx
