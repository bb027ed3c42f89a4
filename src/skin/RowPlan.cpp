#include "skin/RowPlan.h"

#include <algorithm>

namespace qx {
namespace {

constexpr int kArrowSpace = 20;
constexpr int kDetailWidth = 80;
constexpr std::string_view kNoDeleteMark = " (NoDelete)";

MarkKind MarkKindFor(const SkinProperties& p, bool markToText) {
    if (p.fadeFolderSelection && markToText) return MarkKind::Fade;
    if (p.allRoundMark) return MarkKind::ThreePiece;
    if (p.stretchMark) return MarkKind::Stretched;
    if (p.alphaMark) return MarkKind::Alpha;
    return MarkKind::Plain;
}

}  // namespace

DetailColumn FitDetail(const std::string& detailText, const std::string& detailMore, int arrowSpace,
                       const TextWidth& measure) {
    DetailColumn column;
    column.shown = TruncateEnd(detailText, kDetailWidth - arrowSpace - 3, measure);
    column.truncated = column.shown != detailText || !detailMore.empty();
    return column;
}

RowPlan PlanRow(const RowInput& row, const RowContext& context, const SkinLook& look, const RowMetrics& metrics,
                const TextWidth& measure) {
    const SkinProperties& p = look.properties;
    const bool browsing = context.mode != ListMode::Entries;
    const int drawWidth = context.drawWidth;
    const int visiblePosition = context.index - context.topIndex;
    RowPlan plan;
    plan.top = metrics.rowHeight * visiblePosition;
    const int top = plan.top;
    const int bottom = top + metrics.rowHeight;

    plan.arrowSpace = row.isFolder || (!row.folderListing && row.hasTarget) ? kArrowSpace : 0;

    std::string name = row.text;
    if (!browsing && !context.commandInput) {
        const std::size_t at = name.find(kNoDeleteMark);
        if (at != std::string::npos) name.erase(at, kNoDeleteMark.size());
    }

    std::string detail;
    if (browsing) {
        const DetailColumn column = FitDetail(row.detailText, row.detailMore, plan.arrowSpace, measure);
        detail = column.shown;
        plan.detailTruncated = column.truncated;
    }
    plan.rightColumn = (detail.empty() ? 0 : measure(detail)) + 3 + plan.arrowSpace;

    const int nameWidth = drawWidth - plan.rightColumn - 3 - metrics.textLeft;
    const bool fromFront = !browsing && context.commandInput;
    name = fromFront ? TruncateFront(std::move(name), nameWidth, measure)
                     : TruncateEnd(std::move(name), nameWidth, measure);

    plan.rowRect = Rect{0, top, drawWidth - plan.rightColumn, bottom};
    plan.markRect = plan.rowRect;
    if (context.markToText)
        plan.markRect.right = std::min(measure(row.text) + metrics.textLeft + context.markTextExtra,
                                       drawWidth - plan.rightColumn);

    if (p.showFields) {
        plan.field = visiblePosition % 2 == 0 ? FieldKind::First : FieldKind::Second;
        plan.fieldStretched = p.stretchFields;
        plan.fieldArea = Rect{plan.rowRect.left, top, drawWidth, bottom};
    }

    const bool marked = context.selected || (browsing && context.frozenHover);
    if (marked) {
        plan.mark = MarkKindFor(p, context.markToText);
        const bool spansMarkRect = plan.mark == MarkKind::Fade || plan.mark == MarkKind::ThreePiece;
        plan.markArea = spansMarkRect ? plan.markRect
                                      : Rect{plan.markRect.left, plan.markRect.top, drawWidth, plan.markRect.bottom};
    }

    plan.icon = Point{metrics.iconLeft, top + metrics.iconTop};

    if (p.hasUnderText && context.customBackground) {
        plan.haloColour = p.underTextColour;
        plan.detailHalo = browsing;
        plan.nameHalo = !marked;
    }

    const ListLook& list = look.list;
    plan.name = RowText{name, Point{metrics.textLeft, top + metrics.textTop},
                        Rect{0, top, drawWidth - plan.rightColumn - 3, bottom},
                        context.selected ? list.selectionColour : list.unselectedTextColour};
    if (browsing) {
        plan.hasDetail = true;
        plan.detail = RowText{detail, Point{drawWidth - plan.rightColumn, top + metrics.textTop},
                              Rect{0, top, drawWidth - plan.arrowSpace, bottom}, list.unselectedTextColour};
    }

    if (row.isFolder) {
        plan.arrow = ArrowKind::Folder;
        plan.arrowAt = Point{drawWidth - plan.arrowSpace, top + metrics.folderArrowTop};
    } else if (plan.arrowSpace == kArrowSpace) {
        plan.arrow = ArrowKind::File;
        plan.arrowAt = Point{drawWidth - plan.arrowSpace, top + metrics.fileArrowTop};
    }
    return plan;
}

ListBackgroundPlan PlanListBackground(const ListBackgroundInput& list, const SkinLook& look) {
    const SkinProperties& p = look.properties;
    const ListLook& images = look.list;
    ListBackgroundPlan plan;
    plan.background = p.hasBackBitmap;
    plan.backgroundAt = Point{-list.listLeft, -list.listTop};
    plan.track = !p.hideScrollbarBack;
    plan.trackRect = Rect{list.drawWidth, 0, list.listWidth, list.listHeight};
    if (images.grip) {
        plan.grip = true;
        plan.gripAt = Point{list.listWidth - images.grip->width, list.listHeight - images.grip->height};
    }
    if (images.scrollThumb) {
        if (p.alphaScrollbar)
            plan.thumb = list.canScroll ? ThumbKind::Alpha : ThumbKind::None;
        else
            plan.thumb = list.canScroll ? ThumbKind::Opaque : ThumbKind::Faded;
        plan.thumbAt = Point{list.listWidth - images.scrollThumb->width, list.thumbTop};
    }
    return plan;
}

RowTooltip PlanRowTooltip(const RowInput& row, bool detailTruncated, bool overRows, bool leftButtonDown,
                          int languageIndex) {
    const bool english = languageIndex == 1;
    RowTooltip tip;
    tip.title = english ? "File information" : "Dateiinfo";
    tip.text = "Name: " + row.text;
    if (row.detailText != kDetailUndetermined && !row.detailText.empty())
        tip.text += std::string("\n\r") + (english ? "Details" : "Datails") + ": " + row.detailText + row.detailMore;
    tip.show = row.folderListing && detailTruncated && overRows && !leftButtonDown;
    return tip;
}

}  // namespace qx
