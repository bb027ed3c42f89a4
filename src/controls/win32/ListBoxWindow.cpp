#include "controls/win32/ListBoxWindow.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <exception>

#include "platform/win32/TopDownDib.h"

namespace qx {

namespace {

constexpr int kEditId = 1;
// Until a skin supplies images: a plain thumb 12 x 30 and 19-pixel rows.
constexpr ImageSize kPlainThumb{12, 30};
constexpr int kPlainRowHeight = 19;
constexpr int kWheelDivisor = 25;

// GetKeyState is the state as of the message being handled; mouse messages carry no Alt.
MouseModifiers ModifiersFromKeys(WPARAM keys) {
    return MouseModifiers{(keys & MK_SHIFT) != 0, (keys & MK_CONTROL) != 0, GetKeyState(VK_MENU) < 0};
}

MouseModifiers ModifiersNow() {
    return MouseModifiers{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0};
}

RECT ToRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

ListBoxWindow::ListBoxWindow(HINSTANCE instance, const IClock& clock) : instance_(instance), model_(clock) {
    model_.SetScrollThumbImage(kPlainThumb);
    model_.SetManualRowHeight(kPlainRowHeight);
    model_.OnRepaint = [this](int) { Invalidate(); };
    model_.OnSizeRequest = [this](int width, int height) {
        if (hwnd_) SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    model_.OnEditStateChanged = [this] { SyncEditField(); };
    model_.MeasureText = [this](const std::string& text) { return MeasureText(text); };
    model_.OnDrawItem = [this](int index, const Rect& rect, const RowState& state) { DrawItem(index, rect, state); };
}

ListBoxWindow::~ListBoxWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool ListBoxWindow::Create(HWND parent, int controlId, int x, int y, int width, int height) {
    if (hwnd_ || !RegisterObjectWindowClass(instance_, kClassName, &ObjectWindowProc<ListBoxWindow>, CS_DBLCLKS, nullptr)) return false;
    const HWND created =
        CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y, width, height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance_, this);
    if (!created) return false;
    {
        WindowDc screen(nullptr);
        model_.SetColourDepthClass(ColourDepthClass(screen ? GetDeviceCaps(screen.get(), BITSPIXEL) : 32));
    }
    RECT client{};
    GetClientRect(hwnd_, &client);
    model_.SetSize(client.right, client.bottom);
    return true;
}

void ListBoxWindow::SetItems(const RowList& source) {
    model_.AssignItems(source);
    Invalidate();
}

void ListBoxWindow::Invalidate() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void ListBoxWindow::SetFont(HFONT font) {
    font_ = font;
    if (edit_) SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
    Invalidate();
}

void ListBoxWindow::SetPopupMenu(HMENU menu) {
    popupMenu_ = menu;
    if (!menu) {
        model_.OnContextMenu = nullptr;
        return;
    }
    model_.OnContextMenu = [this](int, int) {
        POINT at{};
        GetCursorPos(&at);
        TrackPopupMenu(popupMenu_, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, GetParent(hwnd_), nullptr);
    };
}

HFONT ListBoxWindow::Font() const {
    return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int ListBoxWindow::MeasureText(const std::string& text) const {
    WindowDc dc(hwnd_);
    if (!dc) return 0;
    ScopedSelectObject font(dc.get(), Font());
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// Exceptions must not unwind into user32; a control has nothing better to do than note them.
void ListBoxWindow::ReportFailure(const char* what) {
    OutputDebugStringA("TovraLB: ");
    OutputDebugStringA(what);
    OutputDebugStringA("\n");
}

LRESULT ListBoxWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            model_.SetSize(LOWORD(lParam), HIWORD(lParam));
            SyncEditField();
            Invalidate();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the off-screen copy covers everything
        case WM_PAINT:
            PaintWindow();
            return 0;
        case WM_LBUTTONDOWN: OnMouseButton(MouseButton::Left, true, false, wParam, lParam); return 0;
        case WM_LBUTTONDBLCLK: OnMouseButton(MouseButton::Left, true, true, wParam, lParam); return 0;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK: OnMouseButton(MouseButton::Right, true, false, wParam, lParam); return 0;
        case WM_LBUTTONUP: OnMouseButton(MouseButton::Left, false, false, wParam, lParam); return 0;
        case WM_RBUTTONUP: OnMouseButton(MouseButton::Right, false, false, wParam, lParam); return 0;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK: OnMouseButton(MouseButton::Middle, true, false, wParam, lParam); return 0;
        case WM_MBUTTONUP: OnMouseButton(MouseButton::Middle, false, false, wParam, lParam); return 0;
        case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); return 0;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            model_.MouseLeave();
            if (OnMouseMoved) OnMouseMoved(-1, -1, false);
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) != HTCLIENT) break;
            ApplyCursor();
            return TRUE;
        case WM_MOUSEWHEEL: {
            const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
            if (OnMouseWheel) {
                OnMouseWheel(delta);
            } else {
                if (model_.Editing()) model_.CommitEdit(true);
                model_.ScrollBy(-delta / kWheelDivisor);
            }
            return 0;
        }
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_KEYDOWN: {
            const std::pair<UINT, ListKey> keys[] = {{VK_UP, ListKey::Up},         {VK_DOWN, ListKey::Down},
                                                     {VK_PRIOR, ListKey::PageUp},  {VK_NEXT, ListKey::PageDown},
                                                     {VK_HOME, ListKey::Home},     {VK_END, ListKey::End}};
            for (const auto& [vk, key] : keys) {
                if (wParam == vk) return model_.KeyDown(key) ? 0 : 1;
            }
            break;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            Invalidate();
            if (OnFocusChanged) OnFocusChanged(message == WM_SETFOCUS);
            return 0;
        case WM_ENABLE:
            model_.SetEnabled(wParam != FALSE);
            return 0;
        case WM_SETFONT:
            SetFont(reinterpret_cast<HFONT>(wParam));
            return 0;
        // The list box queries, so that tools and tests can read the rows.
        case LB_GETCOUNT:
            return model_.Count();
        case LB_GETCURSEL:
            return model_.HasSelection() ? model_.SelectedIndex() : LB_ERR;
        case LB_GETTEXTLEN:
            if (static_cast<int>(wParam) < 0 || static_cast<int>(wParam) >= model_.Count()) return LB_ERR;
            return static_cast<LRESULT>(model_.Items().Strings(static_cast<int>(wParam)).size());
        case LB_GETTEXT: {
            if (static_cast<int>(wParam) < 0 || static_cast<int>(wParam) >= model_.Count() || lParam == 0) return LB_ERR;
            const std::string& text = model_.Items().Strings(static_cast<int>(wParam));
            std::memcpy(reinterpret_cast<char*>(lParam), text.c_str(), text.size() + 1);
            return static_cast<LRESULT>(text.size());
        }
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case WM_COMMAND:
            if (LOWORD(wParam) == kEditId && HIWORD(wParam) == EN_CHANGE && !syncingEdit_ && edit_) {
                const int length = GetWindowTextLengthA(edit_);
                std::string text(static_cast<size_t>(length) + 1, '\0');
                text.resize(static_cast<size_t>(GetWindowTextA(edit_, text.data(), length + 1)));
                model_.SetEditText(text);
                return 0;
            }
            break;
        default: break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void ListBoxWindow::OnMouseButton(MouseButton button, bool down, bool doubleClick, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    if (down) {
        // Drags of the thumb, the grip or the rows go on outside the control.
        if (button == MouseButton::Left) SetCapture(hwnd_);
        model_.MouseDown(button, x, y, ModifiersFromKeys(wParam), doubleClick);
    } else {
        if (button == MouseButton::Left && GetCapture() == hwnd_) ReleaseCapture();
        model_.MouseUp(button, x, y, ModifiersFromKeys(wParam));
    }
    if (hwnd_) ApplyCursor();
}

void ListBoxWindow::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = hwnd_;
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
        model_.MouseEnter();
    }
    model_.MouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), (wParam & MK_LBUTTON) != 0);
    ApplyCursor();
    if (OnMouseMoved) OnMouseMoved(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), (wParam & MK_LBUTTON) != 0);
}

void ListBoxWindow::ApplyCursor() {
    const bool hand = model_.Cursor() == ListCursor::Hand;
    SetCursor(LoadCursorA(nullptr, hand ? MAKEINTRESOURCEA(ListBoxModel::kHandCursorId) : IDC_ARROW));
}

void ListBoxWindow::EnsureBuffer(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (buffer_ && width == bufferWidth_ && height == bufferHeight_) return;
    bufferSelection_.reset();
    buffer_.reset();
    bufferBits_ = nullptr;
    WindowDc screen(hwnd_);
    if (!bufferDc_) bufferDc_.reset(CreateCompatibleDC(screen.get()));
    // A DIB section, so that row images are blended straight into its memory.
    const BITMAPINFO info = TopDownDibInfo(width, height);
    void* bits = nullptr;
    buffer_.reset(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bufferDc_ || !buffer_ || !bits) {
        buffer_.reset();
        return;
    }
    bufferBits_ = static_cast<std::uint32_t*>(bits);
    bufferSelection_ = std::make_unique<ScopedSelectObject>(bufferDc_.get(), buffer_.get());
    bufferWidth_ = width;
    bufferHeight_ = height;
}

void ListBoxWindow::PaintWindow() {
    PaintGuard paint(hwnd_);
    if (!paint.dc()) return;
    EnsureBuffer(model_.Width(), model_.Height());
    if (!buffer_) return;
    struct CanvasScope {
        HDC& canvas;
        ~CanvasScope() { canvas = nullptr; }
    } scope{canvas_};
    canvas_ = bufferDc_.get();
    ScopedSelectObject font(canvas_, Font());
    model_.Paint();
    BitBlt(paint.dc(), 0, 0, model_.Width(), model_.Height(), canvas_, 0, 0, SRCCOPY);
}

std::uint32_t* ListBoxWindow::PaintPixels() const {
    if (!canvas_ || !bufferBits_ || bufferWidth_ < model_.Width() || bufferHeight_ < model_.Height()) return nullptr;
    GdiFlush();
    return bufferBits_;
}

void ListBoxWindow::DrawItem(int index, const Rect& rect, const RowState& state) {
    if (!canvas_) return;
    if (model_.DrawStyle == 3 && drawItem_) {
        drawItem_(canvas_, index, rect, state);
    } else {
        DrawPlain(canvas_, index, rect, state);
    }
}

void ListBoxWindow::DrawPlain(HDC canvas, int index, const Rect& rect, const RowState& state) {
    if (index < 0) {
        RECT all = ToRect(rect);
        FillRect(canvas, &all, GetSysColorBrush(COLOR_WINDOW));
        const ScrollGeometry scroll = model_.Scroll();
        RECT track{model_.DrawWidth(), 0, model_.Width(), model_.Height()};
        FillRect(canvas, &track, GetSysColorBrush(COLOR_BTNFACE));
        if (scroll.CanScroll()) {
            RECT thumb = ToRect(scroll.ThumbRect(model_.Width()));
            FillRect(canvas, &thumb, GetSysColorBrush(COLOR_BTNSHADOW));
        }
        const ImageSize grip = model_.ResizeImage();
        if (!grip.Empty()) {
            RECT corner{model_.Width() - grip.width, model_.Height() - grip.height, model_.Width(), model_.Height()};
            FillRect(canvas, &corner, GetSysColorBrush(COLOR_BTNSHADOW));
        }
        return;
    }
    RECT row = ToRect(rect);
    if (state.marked) FillRect(canvas, &row, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetBkMode(canvas, TRANSPARENT);
    SetTextColor(canvas, state.marked ? static_cast<COLORREF>(model_.SelectionColor) : GetSysColor(COLOR_WINDOWTEXT));
    const std::string text = model_.DisplayText(model_.Items().Strings(index));
    RECT textRect{std::min(model_.TextLeft, rect.right), rect.top, rect.right, rect.bottom};
    DrawTextA(canvas, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (state.current) DrawFocusRect(canvas, &row);
}

void ListBoxWindow::SyncEditField() {
    if (!hwnd_) return;
    if (!model_.Editing()) {
        if (edit_ && IsWindowVisible(edit_)) {
            const bool hadFocus = GetFocus() == edit_;
            ShowWindow(edit_, SW_HIDE);
            if (hadFocus) SetFocus(GetParent(hwnd_));
        }
        return;
    }
    if (!edit_) {
        // A child of the list rather than of its parent: it then moves and clips with it.
        edit_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 0, 0, hwnd_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), instance_, nullptr);
        if (!edit_) return;
        SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
        SetWindowLongPtrA(edit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        editDefaultProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListBoxWindow::EditProc)));
    }
    const Rect place = model_.EditRect();
    MoveWindow(edit_, place.left, place.top, place.Width(), place.Height(), TRUE);
    if (!IsWindowVisible(edit_)) {
        syncingEdit_ = true;
        SetWindowTextA(edit_, model_.EditText().c_str());
        syncingEdit_ = false;
        SendMessageA(edit_, EM_SETSEL, 0, -1);
        ShowWindow(edit_, SW_SHOW);
        SetFocus(edit_);
    }
}

LRESULT CALLBACK ListBoxWindow::EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ListBoxWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || !self->editDefaultProc_) return DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        return self->HandleEditMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportFailure(error.what());
    } catch (...) {
        ReportFailure("unknown exception");
    }
    return 0;
}

LRESULT ListBoxWindow::HandleEditMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND edit = edit_;
    const WNDPROC defaultProc = editDefaultProc_;
    switch (message) {
        case WM_KEYDOWN: {
            int key = static_cast<int>(wParam);
            if (model_.OnEditFieldKeyDown) model_.OnEditFieldKeyDown(key, ModifiersNow());
            if (key == 0) return 0;
            if (key == VK_RETURN) {
                model_.CommitEdit();
                return 0;
            }
            if (key == VK_ESCAPE) {
                model_.CancelEdit();
                return 0;
            }
            wParam = static_cast<WPARAM>(key);
            break;
        }
        case WM_CHAR: {
            char key = static_cast<char>(wParam);
            if (model_.OnEditFieldKeyPress) model_.OnEditFieldKeyPress(key);
            // Enter and Escape were handled on key down; as characters they would only beep.
            if (key == 0 || key == '\r' || key == '\x1B') return 0;
            wParam = static_cast<WPARAM>(static_cast<unsigned char>(key));
            break;
        }
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | CallWindowProcA(defaultProc, edit, message, wParam, lParam);
        default: break;
    }
    return CallWindowProcA(defaultProc, edit, message, wParam, lParam);
}

}  // namespace qx
