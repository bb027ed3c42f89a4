#include "skin/win32/ListLookPainter.h"

#include <algorithm>

namespace qx {

namespace {

// The list's look before a skin hands over its images.
constexpr ImageSize kPlainThumb{12, 30};

ImageSize SizeOf(const SkinImage& image) { return image ? ImageSize{image->width, image->height} : ImageSize{}; }

SkinBitmap Masked(const SkinImage& image, const SkinImage& mask, bool useMask) {
    if (!image) return {};
    return SkinBitmap::Masked(*image, useMask ? mask.get() : nullptr);
}

}  // namespace

void ListLookPainter::SetLook(const SkinLook& look, ListBoxModel& model) {
    const ListLook& list = look.list;
    const SkinProperties& p = look.properties;
    background_ = look.background ? SkinBitmap::Opaque(*look.background) : SkinBitmap{};
    ground_ = look.background ? static_cast<COLORREF>(look.windowColour) : GetSysColor(COLOR_WINDOW);
    field_ = list.field ? SkinBitmap::Opaque(*list.field) : SkinBitmap{};
    field2_ = list.field2 ? SkinBitmap::Opaque(*list.field2) : SkinBitmap{};
    mark_ = Masked(list.mark, list.markAlpha, p.alphaMark);
    threePieceMark_ = p.allRoundMark && list.leftCap && list.rightCap;
    leftCap_ = threePieceMark_ ? Masked(list.leftCap, list.leftCapAlpha, true) : SkinBitmap{};
    rightCap_ = threePieceMark_ ? Masked(list.rightCap, list.rightCapAlpha, true) : SkinBitmap{};
    thumb_ = Masked(list.scrollThumb, list.scrollThumbAlpha, p.alphaScrollbar);
    track_ = list.scrollTrack && !p.hideScrollbarBack ? SkinBitmap::Opaque(*list.scrollTrack) : SkinBitmap{};
    grip_ = list.grip ? SkinBitmap::Opaque(*list.grip) : SkinBitmap{};
    showFields_ = p.showFields;
    stretchFields_ = p.stretchFields;
    stretchMark_ = p.stretchMark;
    selectionText_ = static_cast<COLORREF>(list.selectionColour);
    unselectedText_ = static_cast<COLORREF>(list.unselectedTextColour);
    hasImages_ = background_ || field_ || field2_ || mark_ || thumb_ || track_ || grip_;

    model.FieldImage = SizeOf(list.field);
    model.FieldImage2 = SizeOf(list.field2);
    model.MarkImage = SizeOf(list.mark);
    model.ScrollBarImage = SizeOf(list.scrollTrack);
    model.SetScrollThumbImage(list.scrollThumb ? SizeOf(list.scrollThumb) : kPlainThumb);
    model.SetResizeImage(SizeOf(list.grip));
    model.SetBottomMargin(std::max(0, list.cropBottom));
    model.SelectionColor = list.selectionColour;
}

void ListLookPainter::Draw(HDC canvas, const ListBoxModel& model, int index, const RECT& rect,
                           const RowState& state) const {
    if (index < 0) {
        DrawBackground(canvas, model);
        return;
    }
    const SkinBitmap& field = index % 2 == 1 && field2_ ? field2_ : field_;
    if (showFields_ && field) {
        if (stretchFields_)
            field.Stretch(canvas, rect);
        else
            field.Tile(canvas, rect);
    }
    if (state.marked) DrawMark(canvas, rect);
    SetBkMode(canvas, TRANSPARENT);
    SetTextColor(canvas, state.marked ? selectionText_ : unselectedText_);
    const std::string text = model.DisplayText(model.Items().Strings(index));
    RECT textRect{std::min(model.TextLeft, static_cast<int>(rect.right)), rect.top, rect.right, rect.bottom};
    DrawTextA(canvas, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void ListLookPainter::DrawBackground(HDC canvas, const ListBoxModel& model) const {
    RECT all{0, 0, model.Width(), model.Height()};
    UniqueBrush ground(CreateSolidBrush(ground_));
    FillRect(canvas, &all, ground.get());
    if (background_) background_.Draw(canvas, -origin_.x, -origin_.y);
    RECT bar{model.DrawWidth(), 0, model.Width(), model.Height()};
    if (track_)
        track_.Stretch(canvas, bar);
    else
        FillRect(canvas, &bar, GetSysColorBrush(COLOR_BTNFACE));
    const ScrollGeometry scroll = model.Scroll();
    if (scroll.CanScroll()) {
        const Rect thumb = scroll.ThumbRect(model.Width());
        if (thumb_) {
            thumb_.Draw(canvas, thumb.left, thumb.top);
        } else {
            RECT plain{thumb.left, thumb.top, thumb.right, thumb.bottom};
            FillRect(canvas, &plain, GetSysColorBrush(COLOR_BTNSHADOW));
        }
    }
    if (grip_) grip_.Draw(canvas, model.Width() - grip_.width(), model.Height() - grip_.height());
}

void ListLookPainter::DrawMark(HDC canvas, const RECT& row) const {
    if (!mark_) {
        FillRect(canvas, &row, GetSysColorBrush(COLOR_HIGHLIGHT));
        return;
    }
    if (threePieceMark_) {
        const RECT left{row.left, row.top, row.left + leftCap_.width(), row.bottom};
        const RECT right{row.right - rightCap_.width(), row.top, row.right, row.bottom};
        const RECT middle{left.right, row.top, std::max(left.right, right.left), row.bottom};
        leftCap_.Stretch(canvas, left);
        mark_.Stretch(canvas, middle);
        rightCap_.Stretch(canvas, right);
        return;
    }
    if (stretchMark_)
        mark_.Stretch(canvas, row);
    else
        mark_.Tile(canvas, row);
}

}  // namespace qx
