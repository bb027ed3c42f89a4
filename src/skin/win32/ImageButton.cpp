#include "skin/win32/ImageButton.h"

#include "skin/win32/FontQuality.h"

#include <windowsx.h>

#include <exception>
#include <utility>

#include "skin/win32/SkinBitmap.h"

namespace qx {

namespace {

constexpr UINT_PTR kAnimationTimer = 1;

}  // namespace

ImageButton::ImageButton(HINSTANCE instance, const IClock& clock) : instance_(instance), model_(clock) {
    SetFont(ButtonFont{});
}

ImageButton::~ImageButton() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool ImageButton::Create(HWND parent, int controlId, int x, int y) {
    if (hwnd_ || !RegisterObjectWindowClass(instance_, kClassName, &ObjectWindowProc<ImageButton>, 0,
                                                LoadCursorA(nullptr, IDC_ARROW))) return false;
    CreateWindowExA(0, kClassName, "", WS_CHILD | WS_CLIPSIBLINGS, x, y, 0, 0, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance_, this);
    return hwnd_ != nullptr;
}

void ImageButton::SetLook(const ButtonLook& look) {
    look_ = look;
    model_.hoverStyle = look.hoverStyle;
    model_.useDownBitmap = look.useDownBitmap;
    model_.hideText = look.hideText;
    face_ = {};
    Render();
    FitToBitmap();
    if (hwnd_) {
        SetWindowTextA(hwnd_, look.caption.c_str());
        ShowWindow(hwnd_, look.draw ? SW_SHOWNA : SW_HIDE);
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void ImageButton::SetFont(const ButtonFont& font) {
    font_.reset(CreateFontA(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, font.name.c_str()));
    ApplyFontQuality(font_, smoothFont_);
    fontColour_ = font.colour;
    Render();
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void ImageButton::FitToBitmap() {
    if (!hwnd_ || !look_.draw) return;
    SetWindowPos(hwnd_, nullptr, 0, 0, look_.draw->width, look_.draw->height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ImageButton::MoveTo(int x, int y) {
    if (hwnd_) SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ImageButton::Apply(ButtonUpdate update) {
    if (update.rerender) {
        Render();
        if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
    }
    if (!hwnd_) return;
    if (update.timerRunning && !timerRunning_) timerRunning_ = SetTimer(hwnd_, kAnimationTimer, kButtonStepMs, nullptr) != 0;
    if (!update.timerRunning && timerRunning_) {
        KillTimer(hwnd_, kAnimationTimer);
        timerRunning_ = false;
    }
}

void ImageButton::Render() {
    const FacePlan plan = model_.Plan(ButtonImages{look_.draw != nullptr, look_.hover != nullptr, look_.down != nullptr});
    if (!plan.render) return;
    switch (plan.source) {
        case FaceSource::Draw: face_ = *look_.draw; break;
        case FaceSource::Hover: face_ = *look_.hover; break;
        case FaceSource::Down: face_ = *look_.down; break;
        case FaceSource::Keep: break;
    }
    DarkenFace(face_, plan.darkenLevel);
    if (plan.caption && !look_.caption.empty()) DrawCaption();
}

void ImageButton::DrawCaption() {
    // GDI draws the text into a DIB section of the face, which is then read back.
    UniqueBitmap bitmap = MakeDibSection(face_);
    if (!bitmap) return;
    WindowDc screen(nullptr);
    UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    if (!dc) return;
    {
        ScopedSelectObject selected(dc.get(), bitmap.get());
        ScopedSelectObject font(dc.get(), font_ ? static_cast<HGDIOBJ>(font_.get()) : GetStockObject(DEFAULT_GUI_FONT));
        SIZE text{};
        const int length = static_cast<int>(look_.caption.size());
        GetTextExtentPoint32A(dc.get(), look_.caption.c_str(), length, &text);
        const CaptionOrigin at = model_.CaptionPosition(face_.width, face_.height, text.cx, text.cy);
        SetBkMode(dc.get(), TRANSPARENT);
        SetTextColor(dc.get(), static_cast<COLORREF>(fontColour_));
        TextOutA(dc.get(), at.x, at.y, look_.caption.c_str(), length);
        GdiFlush();
    }
    PixelImage drawn = ReadBitmapPixels(bitmap.get());
    if (drawn.width == face_.width && drawn.height == face_.height) face_ = std::move(drawn);
}

void ImageButton::Paint() {
    PaintGuard paint(hwnd_);
    if (!paint.dc()) return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    const SkinBitmap face = SkinBitmap::Opaque(face_);
    if (face && face.width() >= client.right && face.height() >= client.bottom) {
        face.Draw(paint.dc(), 0, 0);
        return;
    }
    UniqueBrush ground(CreateSolidBrush(static_cast<COLORREF>(ground_)));
    FillRect(paint.dc(), &client, ground.get());
    if (face) face.Draw(paint.dc(), 0, 0);
}

LRESULT ImageButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the face covers the button
        case WM_PAINT:
            Paint();
            return 0;
        case WM_MOUSEMOVE:
            if (!tracking_) {
                TRACKMOUSEEVENT track{};
                track.cbSize = sizeof(track);
                track.dwFlags = TME_LEAVE;
                track.hwndTrack = hwnd_;
                tracking_ = TrackMouseEvent(&track) != FALSE;
                if (model_.state() == ButtonState::Normal) Apply(model_.MouseEnters());
            }
            return 0;
        case WM_MOUSELEAVE:
            tracking_ = false;
            if (GetCapture() != hwnd_) Apply(model_.MouseLeaves());
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressed_ = true;
            SetCapture(hwnd_);
            Apply(model_.Pressed());
            return 0;
        case WM_LBUTTONUP: {
            // A click is a press and a release on the button; the capture only brings the
            // release here when it happens elsewhere.
            const bool pressed = std::exchange(pressed_, false);
            if (GetCapture() == hwnd_) ReleaseCapture();
            Apply(model_.Released());
            RECT client{};
            GetClientRect(hwnd_, &client);
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (pressed && PtInRect(&client, at)) {
                const int id = GetDlgCtrlID(hwnd_);
                SendMessageA(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd_));
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (model_.state() == ButtonState::Pressed) Apply(model_.Released());
            return 0;
        case WM_TIMER:
            if (wParam == kAnimationTimer) Apply(model_.Tick());
            return 0;
        case WM_DESTROY:
            if (timerRunning_) KillTimer(hwnd_, kAnimationTimer);
            timerRunning_ = false;
            return 0;
        default:
            break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void ImageButton::SetFontSmoothing(bool smooth) {
    smoothFont_ = smooth;
    ApplyFontQuality(font_, smooth);
    Render();
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

}  // namespace qx
