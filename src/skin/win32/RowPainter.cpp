#include "skin/win32/RowPainter.h"

#include <algorithm>

#include "skin/RowImages.h"

namespace qx {

namespace {

// The list's thumb before a look hands over its own.
constexpr ImageSize kPlainThumb{12, 30};

ImageSize SizeOf(const SkinImage& image) { return image ? ImageSize{image->width, image->height} : ImageSize{}; }

int MeasureText(HDC canvas, std::string_view text) {
    SIZE size{};
    GetTextExtentPoint32A(canvas, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void DrawText(HDC canvas, const RowText& text, Point offset, std::uint32_t colour) {
    SetTextColor(canvas, static_cast<COLORREF>(colour));
    const RECT clip{text.clip.left, text.clip.top, text.clip.right, text.clip.bottom};
    ExtTextOutA(canvas, text.at.x + offset.x, text.at.y + offset.y, ETO_CLIPPED, &clip, text.text.data(),
                static_cast<UINT>(text.text.size()), nullptr);
}

void DrawWithHalo(HDC canvas, const RowText& text, bool halo, std::uint32_t haloColour) {
    if (halo)
        for (const Point offset : kHaloOffsets) DrawText(canvas, text, offset, haloColour);
}

}  // namespace

void RowPainter::SetLook(const SkinLook& look, ListBoxModel& model) {
    look_ = look;
    const ListLook& list = look.list;
    model.FieldImage = SizeOf(list.field);
    model.FieldImage2 = SizeOf(list.field2);
    model.MarkImage = SizeOf(list.mark);
    model.ScrollBarImage = SizeOf(list.scrollTrack);
    model.SetScrollThumbImage(list.scrollThumb ? SizeOf(list.scrollThumb) : kPlainThumb);
    model.SetResizeImage(SizeOf(list.grip));
    model.SetBottomMargin(std::max(0, list.cropBottom));
    model.SelectionColor = list.selectionColour;
}

void RowPainter::DrawBackground(HDC canvas, PixelView pixels, const ListBoxModel& model) {
    truncated_.assign(static_cast<std::size_t>(std::max(0, model.LastPaintRow() - model.TopIndex() + 1)), false);
    // Whatever no image covers shows the window's colour.
    const std::uint32_t ground = 0xFF000000u | (look_.windowColour & 0xFF) << 16 | (look_.windowColour & 0xFF00) |
                                 (look_.windowColour >> 16 & 0xFF);
    std::fill(pixels.pixels, pixels.pixels + static_cast<std::size_t>(pixels.width) * pixels.height, ground);
    const ScrollGeometry scroll = model.Scroll();
    const ListBackgroundInput list{origin_.x,        origin_.y,         model.Width(),   model.Height(),
                                   model.DrawWidth(), scroll.CanScroll(), scroll.thumbTop};
    DrawListBackgroundImages(pixels, PlanListBackground(list, look_), look_);
    SetBkMode(canvas, TRANSPARENT);
}

void RowPainter::DrawRow(HDC canvas, PixelView pixels, const ListBoxModel& model, int index, const RowToPaint& row,
                         RowContext context) {
    context.index = index;
    context.topIndex = model.TopIndex();
    context.drawWidth = model.DrawWidth();
    context.selected = model.IsMarked(index);
    const RowPlan plan = PlanRow(row.input, context, look_, metrics_,
                                 [canvas](std::string_view text) { return MeasureText(canvas, text); });
    const std::size_t visible = static_cast<std::size_t>(index - model.TopIndex());
    if (visible < truncated_.size()) truncated_[visible] = plan.detailTruncated;

    DrawRowImages(pixels, plan, look_, metrics_.iconSize > 16, metrics_.rowHeight, look_.list.fadeRamp.get());
    if (row.icon)
        DrawIconEx(canvas, plan.icon.x, plan.icon.y, static_cast<HICON>(row.icon.get()), metrics_.iconSize,
                   metrics_.iconSize, 0, nullptr, DI_NORMAL);
    SetBkMode(canvas, TRANSPARENT);
    if (plan.hasDetail) DrawWithHalo(canvas, plan.detail, plan.detailHalo, plan.haloColour);
    DrawWithHalo(canvas, plan.name, plan.nameHalo, plan.haloColour);
    DrawText(canvas, plan.name, Point{}, plan.name.colour);
    if (plan.hasDetail) DrawText(canvas, plan.detail, Point{}, plan.detail.colour);
}

bool RowPainter::DetailTruncated(const ListBoxModel& model, int index) const {
    const std::size_t visible = static_cast<std::size_t>(index - model.TopIndex());
    return index >= model.TopIndex() && visible < truncated_.size() && truncated_[visible];
}

}  // namespace qx
