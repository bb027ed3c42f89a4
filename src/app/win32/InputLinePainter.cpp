#include "app/win32/InputLinePainter.h"

#include <algorithm>

#include "skin/win32/SkinBitmap.h"

namespace qx {

InputLinePainter::InputLinePainter(HINSTANCE instance) : instance_(instance) {}

InputLinePainter::~InputLinePainter() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool InputLinePainter::Create(HWND parent) {
    if (hwnd_ || !RegisterObjectWindowClass(instance_, kClassName, &ObjectWindowProc<InputLinePainter>, 0,
                                                LoadCursorA(nullptr, IDC_ARROW))) return false;
    CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr, instance_,
                    this);
    measure_.reset(CreateCompatibleDC(nullptr));
    return hwnd_ != nullptr;
}

void InputLinePainter::MoveTo(const RECT& rect, int textTop) {
    rect_ = rect;
    textTop_ = textTop;
    state_.barWidth = std::max(0, static_cast<int>(rect.right - rect.left));
    if (hwnd_)
        SetWindowPos(hwnd_, nullptr, rect.left, rect.top, state_.barWidth,
                     std::max(0, static_cast<int>(rect.bottom - rect.top)), SWP_NOACTIVATE | SWP_NOZORDER);
    Refresh(true);
}

void InputLinePainter::SetLook(const SkinBitmap* background, const SkinBitmap* bar, COLORREF ground, HFONT font,
                               COLORREF text) {
    background_ = background;
    bar_ = bar;
    ground_ = ground;
    font_ = font;
    textColour_ = text;
    Refresh(true);
}

void InputLinePainter::SetTextColour(COLORREF text) {
    textColour_ = text;
    Refresh(true);
}

void InputLinePainter::SetState(const InputLineState& state) {
    const int barWidth = state_.barWidth;
    state_ = state;
    state_.barWidth = barWidth;
    Refresh(false);
}

int InputLinePainter::TextWidth(std::string_view text) const {
    if (!measure_ || text.empty()) return 0;
    // Selected only while measuring: the window may delete the font when the look changes.
    ScopedSelectObject font(measure_.get(), font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32A(measure_.get(), text.data(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
}

InputLineText InputLinePainter::Plan() const {
    return PlanInputLine(state_, [this](std::string_view text) { return TextWidth(text); });
}

void InputLinePainter::Refresh(bool force) {
    InputLineText plan = Plan();
    if (!force && plan == shown_) return;
    shown_ = std::move(plan);
    // Painted when the queue runs dry: typing never waits for the line.
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void InputLinePainter::Paint() {
    PaintGuard paint(hwnd_);
    if (paint.dc()) Draw(paint.dc());
}

void InputLinePainter::Draw(HDC target) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int width = std::max(1, static_cast<int>(client.right));
    const int height = std::max(1, static_cast<int>(client.bottom));
    // Drawn off-screen and copied: the line must not flicker while the caret blinks.
    UniqueMemoryDc canvas(CreateCompatibleDC(target));
    UniqueBitmap buffer(CreateCompatibleBitmap(target, width, height));
    if (!canvas || !buffer) return;
    ScopedSelectObject selected(canvas.get(), buffer.get());
    if (background_ && *background_) {
        background_->Draw(canvas.get(), -rect_.left, -rect_.top);
    } else if (bar_ && *bar_) {
        bar_->Stretch(canvas.get(), client);
    } else {
        UniqueBrush ground(CreateSolidBrush(ground_));
        FillRect(canvas.get(), &client, ground.get());
    }
    ScopedSelectObject font(canvas.get(), font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(canvas.get(), TRANSPARENT);
    SetTextColor(canvas.get(), textColour_);
    shown_ = Plan();
    TextOutA(canvas.get(), 0, textTop_, shown_.text.c_str(), static_cast<int>(shown_.text.size()));
    if (!shown_.spinner.empty()) {
        const int spinnerLeft = width - TextWidth(shown_.spinner);
        TextOutA(canvas.get(), spinnerLeft, textTop_, shown_.spinner.c_str(), static_cast<int>(shown_.spinner.size()));
    }
    BitBlt(target, 0, 0, width, height, canvas.get(), 0, 0, SRCCOPY);
}

LRESULT InputLinePainter::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the paint covers the line
        case WM_PAINT:
            Paint();
            return 0;
        case WM_PRINTCLIENT:
            Draw(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_NCHITTEST:
            // Clicks go to the window beneath, which moves the window by its background.
            return HTTRANSPARENT;
        default:
            return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

}  // namespace qx
