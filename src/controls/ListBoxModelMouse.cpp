// The mouse rules of ListBoxModel: zones, clicks and marking, thumb and grip drags, row drags,
// the hover row and the click counting that asks for a rename.
#include <algorithm>
#include <utility>

#include "controls/ListBoxModel.h"

namespace qx {

namespace {

int FloorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

}  // namespace

ListZone ListBoxModel::ZoneAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return ListZone::Outside;
    if (!resizeImage_.Empty() && x >= width_ - resizeImage_.width && y >= height_ - resizeImage_.height) {
        return ListZone::Grip;
    }
    if (scrollThumbImage_.width > 0 && x >= width_ - scrollThumbImage_.width) return ListZone::ScrollBar;
    return ListZone::Rows;
}

int ListBoxModel::RowAt(int y) const { return FloorDiv(y, RowHeight()) + topIndex_; }

bool ListBoxModel::IsOnRowText(int row, int x) const {
    if (row < 0 || row >= Count() || x < 0) return false;
    int textEnd = DrawWidth();
    if (MeasureText) textEnd = std::min(textEnd, TextLeft + MeasureText(DisplayText(items_.Strings(row))) + MarkTextExtra);
    return x < textEnd;
}

void ListBoxModel::CountClick() {
    const std::uint64_t now = clock_.NowMs();
    if (clickCount_ > 0 && now >= lastClickMs_ && now - lastClickMs_ < kRenameClickMs) {
        ++clickCount_;
    } else {
        clickCount_ = 1;
    }
    lastClickMs_ = now;
}

void ListBoxModel::MouseDown(MouseButton button, int x, int y, MouseModifiers modifiers, bool doubleClick) {
    ignoreMovesUntilDown_ = false;
    const ListZone zone = ZoneAt(x, y);
    if (zone == ListZone::Outside) return;
    if (button == MouseButton::Left) {
        CountClick();
        // The second press of a double click launches; it must not also ask for a rename.
        if (doubleClick) clickCount_ = 0;
    }
    press_ = Press{};
    press_.active = true;
    press_.zone = zone;
    press_.button = button;
    press_.x = x;
    press_.y = y;
    press_.widthAtPress = width_;
    press_.heightAtPress = height_;

    switch (zone) {
        case ListZone::Rows: RowMouseDown(button, x, y, modifiers); break;
        case ListZone::ScrollBar:
            if (button == MouseButton::Left) ScrollBarMouseDown(y);
            break;
        case ListZone::Grip:
        case ListZone::Outside: break;  // a grip drag needs only the press recorded above
    }
    if (doubleClick && zone == ListZone::Rows && button == MouseButton::Left && OnDblClick) OnDblClick(modifiers);
}

void ListBoxModel::RowMouseDown(MouseButton button, int x, int y, MouseModifiers modifiers) {
    if (selectionLock_) return;
    // Without RightClickSelects a right click only opens the menu for what is selected already.
    if (button == MouseButton::Right && !RightClickSelects) return;
    int row = RowAt(y);
    if (!folderMode_) row = ClampToRows(row);
    const bool onText = IsOnRowText(row, x);
    const int before = selected_;

    // A right click on one of several marked names keeps the marking for the context menu.
    const bool keepMarks = button == MouseButton::Right && folderMode_ && onText && IsMarked(row) && !modifiers.ctrl;
    if (!keepMarks) {
        if (folderMode_ && !onText) {
            ClearMarks();
            anchor_ = -1;
            press_.selectionChanged = before != -1;
            SetSelectedIndex(-1);
            cursor_ = ListCursor::Arrow;
            Repaint(6);
            return;
        }
        if (Multiselect && modifiers.shift) {
            ClearMarks();
            const int from = anchor_ >= 0 && anchor_ < Count() ? anchor_ : row;
            for (int i = std::min(from, row); i <= std::max(from, row); ++i) SetMark(i, true);
        } else {
            anchor_ = row;
            if (Multiselect && modifiers.ctrl) {
                SetMark(row, !IsMarked(row));
            } else if (!IsMarked(row)) {
                ClearMarks();
                SetMark(row, true);
            } else {
                // Reduced on release, so that several marked rows can still be dragged.
                press_.reduceMarksOnUp = true;
            }
        }
    }
    press_.selectionChanged = row != before;
    SetSelectedIndex(row);
    cursor_ = IsLinkRow(row) ? ListCursor::Hand : ListCursor::Arrow;
    Repaint(6);
}

void ListBoxModel::ScrollBarMouseDown(int y) {
    const ScrollGeometry geometry = Scroll();
    const Rect thumb = geometry.ThumbRect(width_);
    if (y >= thumb.top && y < thumb.bottom) {
        press_.thumbDrag = true;
        press_.grabOffset = y - thumb.top;
        press_.topAtPress = topIndex_;
        return;
    }
    SetTopIndex(TopIndexForThumbCentre(geometry, y));
    Repaint(7);
}

void ListBoxModel::UpdateHover(int x, int y) {
    int row = RowAt(y);
    if (folderMode_ && !IsOnRowText(row, x)) row = -1;
    overIndexChanged_ = row != hover_;
    cursor_ = IsLinkRow(row) ? ListCursor::Hand : ListCursor::Arrow;
    if (!overIndexChanged_) return;
    hover_ = row;
    movedByKeyboard_ = false;
    Repaint(8);
}

void ListBoxModel::MouseMove(int x, int y, bool leftButtonDown) {
    if (!enabled_ || ignoreMovesUntilDown_) return;
    overIndexChanged_ = false;
    if (ZoneAt(x, y) == ListZone::Rows && !editing_) UpdateHover(x, y);
    if (!press_.active || !leftButtonDown || press_.button != MouseButton::Left) return;

    if (press_.zone == ListZone::ScrollBar && press_.thumbDrag) {
        // Rounding must not nudge the list while the pointer has not moved.
        const int top = y == press_.y ? press_.topAtPress : TopIndexForThumbTop(Scroll(), y - press_.grabOffset);
        if (top != topIndex_) {
            SetTopIndex(top);
            Repaint(9);
        }
    } else if (press_.zone == ListZone::Rows && !selectionLock_ && !folderMode_) {
        const int row = ClampToRows(RowAt(y));
        if (row >= 0 && row != selected_) {
            press_.selectionChanged = true;
            MoveSelection(row - selected_, AllowMove, true);
        }
    } else if (press_.zone == ListZone::Grip) {
        ApplyGripDrag(x, y);
    }
}

void ListBoxModel::ApplyGripDrag(int x, int y) {
    const ImageSize size = ClampSize(press_.widthAtPress + (x - press_.x), press_.heightAtPress + (y - press_.y));
    const int width = size.width;
    const int height = size.height;
    press_.resized = true;
    if (ResizeByOwner) {
        ResizeByOwner(width, height);
    } else {
        SetSize(width, height);
        if (OnSizeRequest) OnSizeRequest(width, height);
    }
    if (OnResize) OnResize(width, height);
}

void ListBoxModel::MouseUp(MouseButton button, int x, int y, MouseModifiers modifiers) {
    // Taken first: the callbacks below may start the next gesture.
    const Press press = std::exchange(press_, Press{});
    if (press.reduceMarksOnUp && !selectionLock_) {
        ClearMarks();
        SetMark(selected_, true);
        Repaint(10);
    }
    bool editStarted = false;
    if (ZoneAt(x, y) == ListZone::Rows && !selectionLock_) {
        if (button == MouseButton::Right && OnContextMenu && HasSelection()) {
            OnContextMenu(x, y);
        } else if (button == MouseButton::Middle) {
            if (press.active && press.button == MouseButton::Middle && OnMiddleClick) OnMiddleClick();
        } else if (!press.selectionChanged && !modifiers.shift && !modifiers.ctrl && clickCount_ >= 2 &&
                   press.active && press.zone == ListZone::Rows && press.button == MouseButton::Left &&
                   AllowEditOnClick && HasSelection() && OnBeginEdit) {
            clickCount_ = 0;
            editStarted = true;
            OnBeginEdit(selected_);
        }
        if (!editStarted && button == MouseButton::Left && press.active && press.zone == ListZone::Rows && OnClick) {
            OnClick();
        }
    }
    if (press.resized && OnResizeFinished) OnResizeFinished();
}

void ListBoxModel::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter();
}

void ListBoxModel::MouseLeave() {
    cursor_ = ListCursor::Arrow;
    if (hover_ != -1) {
        hover_ = -1;
        Repaint(8);
    }
    if (OnMouseLeave) OnMouseLeave();
}

}  // namespace qx
