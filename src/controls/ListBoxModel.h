#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/Rect.h"
#include "controls/RowList.h"
#include "controls/ScrollGeometry.h"
#include "platform/Clock.h"
#include "platform/KeyboardState.h"

namespace qx {

enum class MouseButton { Left, Right, Middle };
enum class ListZone { Outside, Rows, ScrollBar, Grip };
enum class ListCursor { Arrow, Hand };
enum class ListKey { Up, Down, PageUp, PageDown, Home, End };

// Keys held at the time of a mouse event.
using MouseModifiers = ModifierKeys;

// How large the list may be made; a maximum of 0 sets no bound.
struct ListSizeLimits {
    int minWidth = 0;
    int minHeight = 0;
    int maxWidth = 0;
    int maxHeight = 0;
    friend bool operator==(const ListSizeLimits&, const ListSizeLimits&) = default;
};

// What the draw callback needs to know about one row besides its index and rectangle.
struct RowState {
    bool marked = false;   // part of the selection
    bool current = false;  // the selected index
    bool hover = false;    // under the mouse
    bool link = false;     // a link row (see SetLinkRows)
};

// The owner-drawn list control without any window: rows, selection and marks, scrolling,
// mouse rules, saved positions, link rows and the in-place edit state. The window that shows
// it forwards input here and paints through OnDrawItem.
class ListBoxModel {
public:
    static constexpr int kPositionSlots = 30;
    static constexpr std::uint64_t kRenameClickMs = 2000;
    // The Win32 standard hand cursor, shown over link rows.
    static constexpr int kHandCursorId = 32649;
    static constexpr std::string_view kLinkMarker = "@goto: ";

    explicit ListBoxModel(const IClock& clock);
    // Clears the rows through the removal hook, so OnRowRemoval decides about their objects.
    ~ListBoxModel();
    ListBoxModel(const ListBoxModel&) = delete;
    ListBoxModel& operator=(const ListBoxModel&) = delete;

    // ---- Events. Each may be left empty.
    // Index -1 is the list background (once per paint, before the rows).
    std::function<void(int index, const Rect& rect, const RowState& state)> OnDrawItem;
    std::function<void()> OnClick;
    // With the modifier keys of the second press.
    std::function<void(MouseModifiers modifiers)> OnDblClick;
    // A middle click on the rows, after the press selected the row under it (if any).
    std::function<void()> OnMiddleClick;
    std::function<void(int selectedIndex)> OnSelectionChange;
    std::function<void(int width, int height)> OnResize;
    std::function<void()> OnResizeFinished;
    // When set, a grip drag asks the owner to resize instead of resizing the control itself.
    std::function<void(int width, int height)> ResizeByOwner;
    // Before a row goes (may keep its data object) and before one is added (may refuse it).
    RowList::RemovalHook OnRowRemoval;
    RowList::AddedHook OnRowAdding;
    std::function<void(int row)> OnBeginEdit;
    // Whenever a running edit ends: committed, cancelled or replaced by another.
    std::function<void()> OnEditEnded;
    // Enter in the edit field, or the owner closing a running edit from outside.
    std::function<void(int row, const std::string& text, bool closedFromOutside)> OnEditCommit;
    std::function<void(const std::string& text)> OnEditFieldChange;
    // May set key to 0 to drop the character.
    std::function<void(char& key)> OnEditFieldKeyPress;
    // May set virtualKey to 0 to swallow the key.
    std::function<void(int& virtualKey, MouseModifiers modifiers)> OnEditFieldKeyDown;
    // The row context menu: shown at the cursor (control coordinates).
    std::function<void(int x, int y)> OnContextMenu;
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;
    // ---- Hooks for the window that shows the control.
    std::function<void(int reason)> OnRepaint;
    std::function<void(int width, int height)> OnSizeRequest;  // the control resizes itself
    std::function<void()> OnEditStateChanged;                  // edit field to show, move or hide
    // Text width in the row font; without it every row counts as text across its width.
    std::function<int(const std::string& text)> MeasureText;

    // ---- Rows.
    RowList& Items() { return items_; }
    const RowList& Items() const { return items_; }
    // Replaces the rows by the source's strings, referring to its data objects.
    void AssignItems(const RowList& source);
    int Count() const { return items_.Count(); }
    // Deletes one row through the removal hook, keeping the selection, the anchor, the top row
    // and a running edit on the rows they were on; a deleted selected row hands the selection
    // to the row that takes its place. False when the hook refused.
    bool DeleteRow(int index);
    // Scrolls the fewest rows that bring the row into view.
    void ShowRow(int index) { ScrollIntoView(index); }

    // ---- Properties.
    ImageSize FieldImage, FieldImage2, MarkImage, ScrollBarImage;
    std::uint32_t SelectionColor = 0xFFFFFF;  // 0x00BBGGRR
    int DrawStyle = 3;                         // 0..2 built-in drawing, 3 OnDrawItem
    bool Multiselect = false;
    bool AllowMove = false;
    bool RightClickSelects = true;
    bool AllowEditOnClick = true;
    void SetScrollThumbImage(ImageSize size);
    ImageSize ScrollThumbImage() const { return scrollThumbImage_; }
    void SetResizeImage(ImageSize size);
    ImageSize ResizeImage() const { return resizeImage_; }
    // -1: the height of FieldImage.
    void SetManualRowHeight(int height);
    int ManualRowHeight() const { return manualRowHeight_; }
    int RowHeight() const;
    void SetBottomMargin(int pixels);
    // Row metrics of the drawing: where text starts, and how far a folder mark reaches past it.
    int TextLeft = 19;
    int MarkTextExtra = 0;
    void SetColourDepthClass(int depthClass) { colourDepthClass_ = depthClass; }
    int ColourDepthClass() const { return colourDepthClass_; }

    // Folder browsing: several marks, clicks beside the text deselect, row drags are off,
    // and the row under a click is not clamped to the rows.
    void SetFolderMode(bool on);
    bool FolderMode() const { return folderMode_; }
    void SetLinkRows(bool on) { linkRows_ = on; }
    bool LinkRows() const { return linkRows_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    // ---- Size and scrolling.
    void SetSize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    int DrawWidth() const;  // the row area, left of the scroll bar
    int VisibleRows() const;
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int index);  // clamped
    int MaxTopIndex() const;
    ScrollGeometry Scroll() const;
    void ScrollBy(int rows);

    // ---- Selection and marks.
    void SetSelected(int index);
    int SelectedIndex() const { return selected_; }
    int AnchorIndex() const { return anchor_; }
    bool HasSelection() const { return selected_ >= 0 && selected_ < Count(); }
    std::string SelectedText() const;  // empty without a selection
    bool IsMarked(int index) const;
    void ClearMarks();
    std::vector<std::string> MarkedItems() const;
    std::vector<int> MarkedIndices() const;
    bool SelectionLocked() const { return selectionLock_; }
    void MoveSelection(int delta, bool moveMarkedRows = false, bool singleStep = false);
    bool MovedByKeyboard() const { return movedByKeyboard_; }
    // Arrow, page and Home/End keys; false for keys the list does not use.
    bool KeyDown(ListKey key);

    // ---- Saved positions (slots 0 to 29; others are ignored).
    void SavePosition(int slot);
    void RestorePosition(int slot);

    // ---- Link rows.
    std::string DisplayText(const std::string& rowText) const;
    std::string LinkTarget(const std::string& rowText) const;
    bool IsLinkRow(int index) const;

    // ---- Mouse. Coordinates are the control's; modifiers as held at the event.
    ListZone ZoneAt(int x, int y) const;
    int RowAt(int y) const;  // unclamped
    bool IsOnRowText(int row, int x) const;
    void MouseDown(MouseButton button, int x, int y, MouseModifiers modifiers, bool doubleClick = false);
    void MouseMove(int x, int y, bool leftButtonDown);
    void MouseUp(MouseButton button, int x, int y, MouseModifiers modifiers);
    void MouseEnter();
    void MouseLeave();
    int HoverIndex() const { return hover_; }
    bool OverIndexChangedAfterMove() const { return overIndexChanged_; }
    int ClickCount() const { return clickCount_; }
    // Where the last mouse press landed; a double click launches only from the rows.
    ListZone LastPressZone() const { return press_.zone; }
    ListCursor Cursor() const { return cursor_; }

    // ---- In-place edit.
    void BeginEdit(int row, const std::string& initialText = {});
    void EndEdit();
    // Ends the edit after handing its text to OnEditCommit.
    void CommitEdit(bool closedFromOutside = false);
    void CancelEdit() { EndEdit(); }
    bool Editing() const { return editing_; }
    int EditRow() const { return editRow_; }
    const std::string& EditText() const { return editText_; }
    void SetEditText(const std::string& text);  // the field changed
    const std::string& TextBeforeEdit() const { return textBeforeEdit_; }
    Rect EditRect() const;

    // ---- Painting.
    void Repaint(int reason = 0);
    Rect RowRect(int index) const;
    // Rows that are at least partly inside the control, first and last; last < first when none.
    int FirstPaintRow() const { return topIndex_; }
    int LastPaintRow() const;
    // Calls OnDrawItem for the background and then every row in view.
    void Paint();

private:
    struct Position {
        int selected = 0;
        int top = 0;
    };
    struct Press {
        bool active = false;
        ListZone zone = ListZone::Outside;
        MouseButton button = MouseButton::Left;
        int x = 0;
        int y = 0;
        bool thumbDrag = false;
        int grabOffset = 0;
        int topAtPress = 0;
        int widthAtPress = 0;
        int heightAtPress = 0;
        bool selectionChanged = false;
        bool reduceMarksOnUp = false;
        bool resized = false;
    };

    RowData* Data(int index);
    void SetMark(int index, bool marked);
    void SetSelectedIndex(int index);
    void ClampTop();
    void ScrollIntoView(int index);
    int ClampToRows(int row) const;
    void MoveMarkedRows(int delta);
    void MoveItem(int from, int to);
    void CountClick();
    void RowMouseDown(MouseButton button, int x, int y, MouseModifiers modifiers);
    void ScrollBarMouseDown(int y);
    void UpdateHover(int x, int y);
    void ApplyGripDrag(int x, int y);

    const IClock& clock_;
    RowList items_;
    bool movingItems_ = false;

    ImageSize scrollThumbImage_;
    ImageSize resizeImage_;
    int manualRowHeight_ = 19;
    int bottomMargin_ = 0;
    int colourDepthClass_ = 7;
    bool folderMode_ = false;
    bool linkRows_ = false;
    bool enabled_ = true;

    int width_ = 0;
    int height_ = 0;
    int topIndex_ = 0;
    int selected_ = -1;
    int anchor_ = -1;
    bool selectionLock_ = false;
    bool movedByKeyboard_ = false;
    // The previous keyboard move, for its pace.
    int lastMoveDelta_ = 0;
    std::uint64_t lastMoveMs_ = 0;

    int hover_ = -1;
    bool overIndexChanged_ = false;
    bool ignoreMovesUntilDown_ = false;
    ListCursor cursor_ = ListCursor::Arrow;
    int clickCount_ = 0;
    std::uint64_t lastClickMs_ = 0;
    Press press_;

    bool editing_ = false;
    int editRow_ = -1;
    std::string editText_;
    std::string textBeforeEdit_;

    std::array<Position, kPositionSlots> positions_{};

public:
    // ---- Size limits, honoured by the grip drag. SetSize takes the size the window gave the
    // control as it is; the window asks ClampSize before it sizes the list.
    void SetSizeLimits(const ListSizeLimits& limits);
    const ListSizeLimits& SizeLimits() const { return limits_; }
    ImageSize ClampSize(int width, int height) const;

private:
    ListSizeLimits limits_;
};

}  // namespace qx
