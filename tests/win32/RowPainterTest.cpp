#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "fakes/FakeClock.h"
#include "skin/win32/RowPainter.h"

namespace qx {
namespace {

SkinImage Solid(int width, int height, std::uint32_t rgb) {
    return std::make_shared<PixelImage>(
        PixelImage{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), 0xFF000000 | rgb)});
}

// The list's off-screen canvas: a 32-bit top-down DIB section in a memory DC, as the list has.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<std::uint32_t*>(bits);
        selected_ = std::make_unique<ScopedSelectObject>(dc_.get(), bitmap_.get());
    }
    HDC dc() const { return dc_.get(); }
    PixelView Pixels() const {
        GdiFlush();
        return PixelView(width_, height_, bits_);
    }
    std::uint32_t At(int x, int y) const { return Pixels().pixels[y * width_ + x] & 0xFFFFFF; }

private:
    int width_, height_;
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    std::uint32_t* bits_ = nullptr;
    std::unique_ptr<ScopedSelectObject> selected_;
};

// A 16-pixel icon of one opaque colour.
UniqueIcon SolidIcon(std::uint32_t rgb) {
    Canvas colour(16, 16);
    std::fill(colour.Pixels().pixels, colour.Pixels().pixels + 256, 0xFF000000 | rgb);
    UniqueBitmap mask(CreateBitmap(16, 16, 1, 1, std::vector<std::uint8_t>(32, 0).data()));
    ICONINFO info{TRUE, 0, 0, mask.get(), static_cast<HBITMAP>(GetCurrentObject(colour.dc(), OBJ_BITMAP))};
    return UniqueIcon(CreateIconIndirect(&info));
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
        painter.SetMetrics(RowMetrics{});
        model.SetManualRowHeight(19);
        model.SetSize(100, 95);
    }
    void Paint(int rows) {
        for (int i = model.Count(); i < rows; ++i) model.Items().Add("row " + std::to_string(i));
        painter.DrawBackground(canvas.dc(), canvas.Pixels(), model);
        for (int i = model.TopIndex(); i <= model.LastPaintRow(); ++i) {
            RowToPaint row;
            row.input.text = model.Items().Strings(i);
            row.icon = std::shared_ptr<void>(icon.get(), [](void*) {});
            painter.DrawRow(canvas.dc(), canvas.Pixels(), model, i, row, RowContext{});
        }
    }

    test::FakeClock clock;
    ListBoxModel model{clock};
    SkinLook look;
    RowPainter painter;
    Canvas canvas{100, 95};
    UniqueIcon icon = SolidIcon(0x00C000);
};

TEST_F(RowPainterTest, FieldsMarksIconsAndTheFadedThumbLandOnTheirPixels) {
    model.SetSelected(1);
    Paint(3);
    // Fields alternate; the list cannot scroll, so the thumb is white at 30 % over black.
    EXPECT_EQ(canvas.At(80, 18), 0x101010u);
    EXPECT_EQ(canvas.At(80, 37), 0x202020u);
    EXPECT_EQ(canvas.At(95, 5), 0x4C4C4Cu);
    // Row 1 is selected: its 40 pixels of red blended by 128/255 over the second field.
    EXPECT_EQ(canvas.At(39, 37), 0x901010u);
    EXPECT_EQ(canvas.At(40, 37), 0x202020u);
    EXPECT_EQ(canvas.At(39, 18), 0x101010u);
    // The icon at IconLeft 2, IconTop 2 of each row, not left of it.
    EXPECT_EQ(canvas.At(2, 2), 0x00C000u);
    EXPECT_EQ(canvas.At(17, 19 + 17), 0x00C000u);
    EXPECT_EQ(canvas.At(1, 2), 0x101010u);
}

TEST_F(RowPainterTest, TheTopmostVisibleRowTakesTheFirstFieldAfterScrolling) {
    Paint(40);
    model.ScrollBy(1);
    Paint(40);
    ASSERT_EQ(model.TopIndex(), 1);
    EXPECT_EQ(canvas.At(80, 18), 0x101010u);
    EXPECT_EQ(canvas.At(80, 37), 0x202020u);
    // A list that scrolls shows the thumb opaque.
    EXPECT_EQ(canvas.At(95, model.Scroll().thumbTop + 1), 0xFFFFFFu);
}

}  // namespace
}  // namespace qx
