#include <gtest/gtest.h>

#include <vector>

#include "fakes/FakeClock.h"
#include "skin/win32/RowPainter.h"
#include "skin/win32/SkinBitmap.h"

namespace qx {
namespace {

SkinImage Solid(int width, int height, std::uint32_t rgb) {
    return std::make_shared<PixelImage>(
        PixelImage{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), 0xFF000000 | rgb)});
}

class RowPainterTest : public ::testing::Test {
protected:
    RowPainterTest() {
        look.properties.alphaMark = true;
        look.properties.stretchMark = false;
        look.properties.alphaScrollbar = false;
        look.list.field = Solid(1, 1, 0x101010);
        look.list.field2 = Solid(1, 1, 0x202020);
        look.list.mark = Solid(40, 19, 0xFF0000);
        look.list.markAlpha = Solid(40, 19, 0x808080);
        look.list.scrollTrack = Solid(1, 1, 0x000000);
        look.list.scrollThumb = Solid(12, 30, 0xFFFFFF);
        painter.SetLook(look, model);
        model.SetSize(100, 95);
        DIBSECTION section{};
        GetObjectA(canvas.get(), sizeof(section), &section);
        bits = static_cast<std::uint32_t*>(section.dsBm.bmBits);
        UniqueBitmap mask(CreateBitmap(16, 16, 1, 1, std::vector<std::uint8_t>(32, 0).data()));
        ICONINFO info{TRUE, 0, 0, mask.get(), iconColour.get()};
        icon.reset(CreateIconIndirect(&info));
    }
    // Paints the list as the window does: the background, then each row in view.
    void Paint(int rows) {
        for (int i = model.Count(); i < rows; ++i) model.Items().Add("row " + std::to_string(i));
        ScopedSelectObject selected(dc.get(), canvas.get());
        const auto pixels = [&] {
            GdiFlush();
            return PixelView(100, 95, bits);
        };
        painter.DrawBackground(dc.get(), pixels(), model);
        for (int i = model.TopIndex(); i <= model.LastPaintRow(); ++i) {
            RowToPaint row;
            row.input.text = model.Items().Strings(i);
            row.icon = std::shared_ptr<void>(icon.get(), [](void*) {});
            painter.DrawRow(dc.get(), pixels(), model, i, row, RowContext{});
        }
        GdiFlush();
    }
    std::uint32_t At(int x, int y) const { return bits[y * 100 + x] & 0xFFFFFF; }

    test::FakeClock clock;
    ListBoxModel model{clock};
    SkinLook look;
    RowPainter painter;
    UniqueMemoryDc dc{CreateCompatibleDC(nullptr)};
    UniqueBitmap canvas = MakeDibSection(*Solid(100, 95, 0));
    UniqueBitmap iconColour = MakeDibSection(*Solid(16, 16, 0x00C000));
    UniqueIcon icon;
    std::uint32_t* bits = nullptr;
};

TEST_F(RowPainterTest, FieldsMarksIconsAndTheThumbLandOnTheirPixels) {
    Paint(3);
    model.SetSelected(1);
    Paint(3);
    // Fields alternate; the list cannot scroll, so the thumb is white at 30 % over black.
    EXPECT_EQ(At(80, 18), 0x101010u);
    EXPECT_EQ(At(80, 37), 0x202020u);
    EXPECT_EQ(At(95, 5), 0x4C4C4Cu);
    // Row 1 is selected: its 40 pixels of red blended by 128/255 over the second field.
    EXPECT_EQ(At(39, 37), 0x901010u);
    EXPECT_EQ(At(40, 37), 0x202020u);
    // The 16-pixel icon at IconLeft 2, IconTop 2 of the row.
    EXPECT_EQ(At(17, 19 + 17), 0x00C000u);
    EXPECT_EQ(At(1, 19 + 2), 0x901010u);

    // Scrolled by one row, the topmost row takes the first field; the thumb is opaque now.
    Paint(40);
    model.ScrollBy(1);
    Paint(40);
    ASSERT_EQ(model.TopIndex(), 1);
    EXPECT_EQ(At(80, 18), 0x101010u);
    EXPECT_EQ(At(80, 37), 0x202020u);
    EXPECT_EQ(At(95, model.Scroll().thumbTop + 1), 0xFFFFFFu);
}

}  // namespace
}  // namespace qx
