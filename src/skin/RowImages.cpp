#include "skin/RowImages.h"

#include "skin/AlphaDraw.h"
#include "skin/ImageOperations.h"

namespace qx {
namespace {

// An image blended with its alpha image, or copied when it has none.
void DrawMasked(PixelView canvas, Point at, const SkinImage& image, const SkinImage& alpha) {
    if (!image) return;
    if (alpha)
        DrawAlphaBitmap(at.x, at.y, canvas, *image, alpha.get(), -1);
    else
        DrawImage(canvas, *image, at.x, at.y);
}

void DrawMark(PixelView canvas, const RowPlan& plan, const ListLook& list, int rowHeight,
              const PixelImage* fadeRamp) {
    if (!list.mark) return;
    const PixelImage& mark = *list.mark;
    const Rect& area = plan.markArea;
    switch (plan.mark) {
    case MarkKind::None: break;
    case MarkKind::Fade:
        if (fadeRamp) DrawFadeMark(canvas, area, rowHeight, mark, *fadeRamp);
        break;
    case MarkKind::ThreePiece:
        DrawThreePieceMark(canvas, area, mark, list.leftCap.get(), list.leftCapAlpha.get(), list.rightCap.get(),
                           list.rightCapAlpha.get());
        break;
    case MarkKind::Stretched: StretchImage(area, canvas, mark); break;
    case MarkKind::Alpha: DrawMasked(canvas, Point{area.left, area.top}, list.mark, list.markAlpha); break;
    case MarkKind::Plain: DrawImage(canvas, mark, area.left, area.top); break;
    }
}

}  // namespace

void DrawRowImages(PixelView canvas, const RowPlan& plan, const SkinLook& look, bool large, int rowHeight,
                   const PixelImage* fadeRamp) {
    const ListLook& list = look.list;
    const SkinImage& field = plan.field == FieldKind::First ? list.field : list.field2;
    if (plan.field != FieldKind::None && field) {
        if (plan.fieldStretched)
            StretchImage(plan.fieldArea, canvas, *field);
        else
            DrawImage(canvas, *field, plan.fieldArea.left, plan.fieldArea.top);
    }
    DrawMark(canvas, plan, list, rowHeight, fadeRamp);
    if (plan.arrow != ArrowKind::None) {
        const std::size_t first = (plan.arrow == ArrowKind::Folder ? 0 : 4) + (large ? 1 : 0);
        DrawMasked(canvas, plan.arrowAt, look.arrows[first], look.arrows[first + 2]);
    }
}

void DrawListBackgroundImages(PixelView canvas, const ListBackgroundPlan& plan, const SkinLook& look) {
    const ListLook& list = look.list;
    if (plan.background && look.background)
        DrawImage(canvas, *look.background, plan.backgroundAt.x, plan.backgroundAt.y);
    if (plan.track && list.scrollTrack) StretchImage(plan.trackRect, canvas, *list.scrollTrack);
    if (plan.grip && list.grip) DrawImage(canvas, *list.grip, plan.gripAt.x, plan.gripAt.y);
    if (!list.scrollThumb) return;
    switch (plan.thumb) {
    case ThumbKind::None: break;
    case ThumbKind::Alpha: DrawMasked(canvas, plan.thumbAt, list.scrollThumb, list.scrollThumbAlpha); break;
    case ThumbKind::Faded:
        DrawAlphaBitmap(plan.thumbAt.x, plan.thumbAt.y, canvas, *list.scrollThumb, nullptr, kFadedThumbOpacity);
        break;
    case ThumbKind::Opaque: DrawImage(canvas, *list.scrollThumb, plan.thumbAt.x, plan.thumbAt.y); break;
    }
}

}  // namespace qx
