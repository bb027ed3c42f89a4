#include "controls/ListBoxModel.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>

namespace qx {

namespace {

// Pixels the edit field stays short of the row area's right edge (room for the row's arrow).
constexpr int kEditRightGap = 25;
// The keyboard pace: one step may take this many milliseconds, larger jumps less each.
constexpr double kStepPaceMs = 20.0;

}  // namespace

ListBoxModel::ListBoxModel(const IClock& clock) : clock_(clock) {
    items_.SetRemovalHook([this](int index, bool& keepObject) {
        if (movingItems_) {
            keepObject = true;  // MoveItem puts the object straight back
            return true;
        }
        return OnRowRemoval ? OnRowRemoval(index, keepObject) : true;
    });
    items_.SetAddedHook([this](const std::string& text) { return OnRowAdding ? OnRowAdding(text) : true; });
}

ListBoxModel::~ListBoxModel() {
    items_.SetSkipEvents(false);
    items_.Clear();
}

void ListBoxModel::AssignItems(const RowList& source) {
    items_.Assign(source);
    ClampTop();
}

bool ListBoxModel::DeleteRow(int index) {
    if (index < 0 || index >= Count()) return false;
    if (editing_ && editRow_ == index) EndEdit();
    if (!items_.Delete(index)) return false;
    const auto follow = [index](int& row) {
        if (row > index) --row;
    };
    follow(editRow_);
    follow(anchor_);
    follow(topIndex_);
    if (hover_ == index) hover_ = -1;
    follow(hover_);
    if (selected_ == index) {
        selected_ = -1;
        SetSelected(ClampToRows(index));
    } else if (selected_ > index) {
        SetSelectedIndex(selected_ - 1);
    }
    ClampTop();
    return true;
}

// ---- Properties and geometry.

void ListBoxModel::SetScrollThumbImage(ImageSize size) {
    scrollThumbImage_ = size;
    ClampTop();
}

void ListBoxModel::SetResizeImage(ImageSize size) { resizeImage_ = size; }

void ListBoxModel::SetManualRowHeight(int height) {
    manualRowHeight_ = height;
    ClampTop();
}

int ListBoxModel::RowHeight() const {
    const int height = manualRowHeight_ == -1 ? FieldImage.height : manualRowHeight_;
    return std::max(1, height);  // no image yet must not divide by zero
}

void ListBoxModel::SetBottomMargin(int pixels) {
    bottomMargin_ = std::max(0, pixels);
    ClampTop();
}

void ListBoxModel::SetFolderMode(bool on) {
    folderMode_ = on;
    Multiselect = on;
}

void ListBoxModel::SetSize(int width, int height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    ClampTop();
}

void ListBoxModel::SetSizeLimits(const ListSizeLimits& limits) { limits_ = limits; }

ImageSize ListBoxModel::ClampSize(int width, int height) const {
    const auto clamp = [](int value, int low, int high) {
        if (high > 0) value = std::min(value, high);
        return std::max({0, low, value});
    };
    return ImageSize{clamp(width, limits_.minWidth, limits_.maxWidth), clamp(height, limits_.minHeight, limits_.maxHeight)};
}

int ListBoxModel::DrawWidth() const { return std::max(0, width_ - scrollThumbImage_.width); }

int ListBoxModel::VisibleRows() const { return VisibleRowCount(height_, bottomMargin_, RowHeight()); }

int ListBoxModel::MaxTopIndex() const { return std::max(0, Count() - VisibleRows()); }

ScrollGeometry ListBoxModel::Scroll() const {
    return ComputeScrollGeometry(height_, Count(), VisibleRows(), topIndex_, scrollThumbImage_, resizeImage_);
}

void ListBoxModel::SetTopIndex(int index) {
    topIndex_ = index;
    ClampTop();
}

void ListBoxModel::ClampTop() { topIndex_ = std::clamp(topIndex_, 0, MaxTopIndex()); }

void ListBoxModel::ScrollBy(int rows) {
    SetTopIndex(topIndex_ + rows);
    Repaint(1);
}

void ListBoxModel::ScrollIntoView(int index) {
    if (index < topIndex_) topIndex_ = index;
    const int visible = std::max(1, VisibleRows());
    if (index > topIndex_ + visible - 1) topIndex_ = index - visible + 1;
    ClampTop();
}

int ListBoxModel::ClampToRows(int row) const { return Count() == 0 ? -1 : std::clamp(row, 0, Count() - 1); }

// ---- Selection and marks.

RowData* ListBoxModel::Data(int index) {
    if (index < 0 || index >= Count()) return nullptr;
    return &items_.Data(index);  // a row without a data object gets one
}

bool ListBoxModel::IsMarked(int index) const {
    if (index < 0 || index >= Count()) return false;
    const RowData* data = items_.Objects(index);
    return data != nullptr && data->marked;
}

void ListBoxModel::SetMark(int index, bool marked) {
    if (!marked && !IsMarked(index)) return;  // spares rows without data objects
    if (RowData* data = Data(index)) data->marked = marked;
}

void ListBoxModel::ClearMarks() {
    if (selectionLock_) return;
    for (int i = 0; i < Count(); ++i) {
        if (RowData* data = items_.Objects(i)) data->marked = false;
    }
}

void ListBoxModel::SetSelectedIndex(int index) {
    if (index == selected_) return;
    selected_ = index;
    if (OnSelectionChange) OnSelectionChange(index);
}

void ListBoxModel::SetSelected(int index) {
    if (selectionLock_) return;
    ClearMarks();
    SetMark(index, true);
    anchor_ = index;
    SetSelectedIndex(index);
    Repaint(2);
}

std::string ListBoxModel::SelectedText() const { return HasSelection() ? items_.Strings(selected_) : std::string(); }

std::vector<int> ListBoxModel::MarkedIndices() const {
    std::vector<int> marked;
    for (int i = 0; i < Count(); ++i) {
        if (IsMarked(i)) marked.push_back(i);
    }
    return marked;
}

std::vector<std::string> ListBoxModel::MarkedItems() const {
    std::vector<std::string> texts;
    for (int i : MarkedIndices()) texts.push_back(items_.Strings(i));
    return texts;
}

void ListBoxModel::MoveSelection(int delta, bool moveMarkedRows, bool singleStep) {
    if (delta == 0) return;
    // Caps a held arrow key at about 50 rows a second, whatever the repeat rate: a move that
    // repeats the previous one sooner than its pace allows is skipped. The thread never waits.
    const std::uint64_t now = clock_.NowMs();
    const auto paceMs = static_cast<std::uint64_t>(RoundHalfEven(kStepPaceMs / std::abs(delta)));
    if (delta == lastMoveDelta_ && now >= lastMoveMs_ && now - lastMoveMs_ < paceMs) return;
    lastMoveDelta_ = delta;
    lastMoveMs_ = now;
    if (singleStep) delta = delta > 0 ? 1 : -1;

    if (!moveMarkedRows) {
        const int index = selected_ + delta;
        if (index <= topIndex_) topIndex_ = index;
        const int lastVisible = topIndex_ + VisibleRows() - 1;
        if (index >= lastVisible) topIndex_ = index - VisibleRows() + 1;
        SetSelected(ClampToRows(index));
    } else {
        MoveMarkedRows(delta);
    }
    ClampTop();
    movedByKeyboard_ = true;
    Repaint(3);
}

void ListBoxModel::MoveMarkedRows(int delta) {
    const std::vector<int> marked = MarkedIndices();
    if (marked.empty()) return;
    if (delta > 0) {
        delta = std::min(delta, Count() - 1 - marked.back());
        for (auto it = marked.rbegin(); it != marked.rend() && delta != 0; ++it) MoveItem(*it, *it + delta);
    } else {
        delta = std::max(delta, -marked.front());
        for (auto it = marked.begin(); it != marked.end() && delta != 0; ++it) MoveItem(*it, *it + delta);
    }
    if (delta == 0) return;
    anchor_ += delta;
    SetSelectedIndex(selected_ + delta);
    ScrollIntoView(selected_);
}

void ListBoxModel::MoveItem(int from, int to) {
    std::string text = items_.Strings(from);
    const bool owned = items_.OwnsObject(from);
    RowData* object = items_.Objects(from);
    // The list would free an owned object on removal; the hook keeps it while it moves.
    struct MovingGuard {
        ListBoxModel& lb;
        bool skipEvents;
        ~MovingGuard() {
            lb.movingItems_ = false;
            lb.items_.SetSkipEvents(skipEvents);
        }
    } guard{*this, items_.skipEvents()};
    movingItems_ = true;
    items_.SetSkipEvents(false);
    if (!items_.Delete(from)) return;
    if (owned) {
        items_.InsertObject(to, std::move(text), std::unique_ptr<RowData>(object));
    } else {
        items_.InsertObjectRef(to, std::move(text), object);
    }
}

bool ListBoxModel::KeyDown(ListKey key) {
    const int page = std::max(1, VisibleRows() - 1);
    switch (key) {
        case ListKey::Up: MoveSelection(-1, AllowMove); return true;
        case ListKey::Down: MoveSelection(1, AllowMove); return true;
        case ListKey::PageUp: MoveSelection(-page, AllowMove); return true;
        case ListKey::PageDown: MoveSelection(page, AllowMove); return true;
        case ListKey::Home: MoveSelection(-(std::max(selected_, 0) + 1), AllowMove); return true;
        case ListKey::End: MoveSelection(Count() - selected_, AllowMove); return true;
    }
    return false;
}

// ---- Saved positions.

void ListBoxModel::SavePosition(int slot) {
    if (slot < 0 || slot >= kPositionSlots) return;
    positions_[static_cast<size_t>(slot)] = Position{selected_, topIndex_};
}

void ListBoxModel::RestorePosition(int slot) {
    if (slot < 0 || slot >= kPositionSlots) return;
    const Position position = positions_[static_cast<size_t>(slot)];
    SetSelected(position.selected);
    SetTopIndex(position.top);
    Repaint(4);
}

// ---- Link rows.

std::string ListBoxModel::DisplayText(const std::string& rowText) const {
    if (!linkRows_) return rowText;
    const size_t marker = rowText.find(kLinkMarker);
    if (marker == std::string::npos) return rowText;
    size_t end = marker;
    if (end > 0 && rowText[end - 1] == ' ') --end;
    return rowText.substr(0, end);
}

std::string ListBoxModel::LinkTarget(const std::string& rowText) const {
    if (!linkRows_) return {};
    const size_t marker = rowText.find(kLinkMarker);
    if (marker == std::string::npos) return {};
    std::string target = rowText.substr(marker + kLinkMarker.size());
    return target == "@self" ? DisplayText(rowText) : target;
}

bool ListBoxModel::IsLinkRow(int index) const {
    return linkRows_ && index >= 0 && index < Count() && items_.Strings(index).find(kLinkMarker) != std::string::npos;
}

// ---- In-place edit.

void ListBoxModel::BeginEdit(int row, const std::string& initialText) {
    if (editing_) EndEdit();
    if (row < 0 || row >= Count()) return;
    selectionLock_ = true;
    editing_ = true;
    editRow_ = row;
    textBeforeEdit_ = items_.Strings(row);
    editText_ = initialText.empty() ? textBeforeEdit_ : initialText;
    ScrollIntoView(row);
    if (OnEditStateChanged) OnEditStateChanged();
}

void ListBoxModel::EndEdit() {
    const bool wasEditing = editing_;
    textBeforeEdit_.clear();
    editText_.clear();
    editRow_ = -1;
    selectionLock_ = false;
    editing_ = false;
    if (!wasEditing) return;
    // The pointer may still rest where the field was; a stale move must not change the hover row.
    ignoreMovesUntilDown_ = true;
    if (OnEditStateChanged) OnEditStateChanged();
    Repaint(5);
    if (OnEditEnded) OnEditEnded();
}

void ListBoxModel::CommitEdit(bool closedFromOutside) {
    if (!editing_) return;
    const int row = editRow_;
    const std::string text = editText_;
    // Ended first: the owner's rename usually rebuilds the list, which needs the lock off.
    EndEdit();
    if (OnEditCommit) OnEditCommit(row, text, closedFromOutside);
}

void ListBoxModel::SetEditText(const std::string& text) {
    if (!editing_) return;
    editText_ = text;
    if (OnEditFieldChange) OnEditFieldChange(text);
}

Rect ListBoxModel::EditRect() const {
    if (!editing_) return {};
    const Rect row = RowRect(editRow_);
    return Rect{TextLeft, row.top, std::max(TextLeft, DrawWidth() - kEditRightGap), row.bottom};
}

// ---- Painting.

void ListBoxModel::Repaint(int reason) {
    if (OnRepaint) OnRepaint(reason);
}

Rect ListBoxModel::RowRect(int index) const {
    const int top = (index - topIndex_) * RowHeight();
    return Rect{0, top, DrawWidth(), top + RowHeight()};
}

int ListBoxModel::LastPaintRow() const {
    const int area = height_ - bottomMargin_;
    if (area <= 0) return topIndex_ - 1;
    const int rowsInArea = (area + RowHeight() - 1) / RowHeight();
    return std::min(Count() - 1, topIndex_ + rowsInArea - 1);
}

void ListBoxModel::Paint() {
    if (!OnDrawItem) return;
    OnDrawItem(-1, Rect{0, 0, width_, height_}, RowState{});
    const int last = LastPaintRow();
    for (int i = topIndex_; i <= last && i < Count(); ++i) {
        RowState state;
        state.marked = IsMarked(i);
        state.current = i == selected_;
        state.hover = i == hover_;
        state.link = IsLinkRow(i);
        OnDrawItem(i, RowRect(i), state);
    }
}

}  // namespace qx
