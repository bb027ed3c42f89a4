#pragma once
#include "platform/win32/Win32Api.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/ListBoxModel.h"
#include "platform/win32/ObjectWindowProc.h"
#include "platform/win32/UniqueHandle.h"

namespace qx {

// The list control as a child window of class "ListBoxModel": paints the model through an
// off-screen bitmap and forwards mouse, wheel, keys, focus and size to it.
//
// The window sets the model's OnRepaint, OnSizeRequest, OnEditStateChanged, MeasureText and
// OnDrawItem; everything else on Model() is the owner's to set.
class ListBoxWindow {
public:
    static constexpr const char* kClassName = "TovraLB";
    // Draws one row (index -1: the background) into the off-screen canvas.
    using DrawItemFn = std::function<void(HDC canvas, int index, const Rect& rect, const RowState& state)>;

    ListBoxWindow(HINSTANCE instance, const IClock& clock);
    ~ListBoxWindow();
    ListBoxWindow(const ListBoxWindow&) = delete;
    ListBoxWindow& operator=(const ListBoxWindow&) = delete;

    bool Create(HWND parent, int controlId, int x, int y, int width, int height);
    HWND Handle() const { return hwnd_; }
    ListBoxModel& Model() { return model_; }
    const ListBoxModel& Model() const { return model_; }

    // Replaces the rows by the source's (sharing its data objects) and repaints.
    void SetItems(const RowList& source);
    int Selected() const { return model_.SelectedIndex(); }
    void SetSelected(int index) { model_.SetSelected(index); }
    void Invalidate();

    // With DrawStyle 3 rows are drawn by this function; without one (or another style)
    // plainly: text, a highlight for marked rows and a simple scroll bar.
    void SetDrawItem(DrawItemFn drawItem) { drawItem_ = std::move(drawItem); }
    // The row font; not owned. Also used by the in-place edit field.
    void SetFont(HFONT font);
    // Shown at the cursor on a right click; its commands go to the parent. Not owned.
    void SetPopupMenu(HMENU menu);
    // Replaces the built-in wheel scrolling (minus delta / 25 rows).
    std::function<void(int wheelDelta)> OnMouseWheel;
    std::function<void(bool focused)> OnFocusChanged;
    // While a paint runs: the off-screen buffer's pixels (32-bit top-down, Width() x Height()
    // of the model, one 0xAARRGGBB per pixel), with GDI's pending drawing flushed into them;
    // null at any other time.
    std::uint32_t* PaintPixels() const;
    // Every mouse move over the control, after the model saw it; x = -1 when the mouse left.
    std::function<void(int x, int y, bool leftButtonDown)> OnMouseMoved;

private:
    friend LRESULT CALLBACK ObjectWindowProc<ListBoxWindow>(HWND, UINT, WPARAM, LPARAM);
    void AttachWindow(HWND hwnd) { hwnd_ = hwnd; }
    void DetachWindow() {
        hwnd_ = nullptr;
        edit_ = nullptr;  // a child of the list, gone with it
    }
    static void ReportFailure(const char* what);
    static LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleEditMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouseButton(MouseButton button, bool down, bool doubleClick, WPARAM wParam, LPARAM lParam);
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    void ApplyCursor();
    void PaintWindow();
    void EnsureBuffer(int width, int height);
    void DrawItem(int index, const Rect& rect, const RowState& state);
    void DrawPlain(HDC canvas, int index, const Rect& rect, const RowState& state);
    void SyncEditField();
    int MeasureText(const std::string& text) const;
    HFONT Font() const;

    HINSTANCE instance_;
    ListBoxModel model_;
    HWND hwnd_ = nullptr;
    HWND edit_ = nullptr;  // child of hwnd_, destroyed with it
    WNDPROC editDefaultProc_ = nullptr;
    bool syncingEdit_ = false;
    bool trackingLeave_ = false;
    HFONT font_ = nullptr;
    HMENU popupMenu_ = nullptr;
    DrawItemFn drawItem_;

    // Declared in this order so the bitmap is deselected before it and the DC are freed.
    UniqueMemoryDc bufferDc_;
    UniqueBitmap buffer_;  // a 32-bit top-down DIB section
    std::uint32_t* bufferBits_ = nullptr;
    std::unique_ptr<ScopedSelectObject> bufferSelection_;
    int bufferWidth_ = 0;
    int bufferHeight_ = 0;
    HDC canvas_ = nullptr;  // the off-screen DC while a paint runs
};

}  // namespace qx
