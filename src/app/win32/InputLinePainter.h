#pragma once
#include "platform/win32/Win32Api.h"

#include "platform/win32/ObjectWindowProc.h"
#include "platform/win32/UniqueHandle.h"
#include "skin/InputLineText.h"

namespace qx {

class SkinBitmap;

// The input line the user sees: a child window over the input bar that paints the input text
// with its blinking caret, the spinner of a running launch and the wait text. The edit
// control that really holds the text lies out of sight and takes the keys.
class InputLinePainter {
public:
    static constexpr const char* kClassName = "QuilloxInputLine";

    explicit InputLinePainter(HINSTANCE instance);
    ~InputLinePainter();
    InputLinePainter(const InputLinePainter&) = delete;
    InputLinePainter& operator=(const InputLinePainter&) = delete;

    bool Create(HWND parent);
    HWND Handle() const { return hwnd_; }

    // Its place in the parent's client area; the text is drawn textTop pixels below its top.
    void MoveTo(const RECT& rect, int textTop);
    // The ground is the window's background bitmap where it lies under the line, else the bar
    // image stretched over it, else the colour. The bitmaps and the font stay the caller's
    // and must outlive the next SetLook.
    void SetLook(const SkinBitmap* background, const SkinBitmap* bar, COLORREF ground, HFONT font, COLORREF text);
    void SetTextColour(COLORREF text);
    // Repaints later, and only when what the line shows has changed.
    void SetState(const InputLineState& state);

    // What the line shows now.
    InputLineText Plan() const;

private:
    friend LRESULT CALLBACK ObjectWindowProc<InputLinePainter>(HWND, UINT, WPARAM, LPARAM);
    void AttachWindow(HWND hwnd) { hwnd_ = hwnd; }
    void DetachWindow() { hwnd_ = nullptr; }
    static void ReportFailure(const char* what) { OutputDebugStringA(what); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    int TextWidth(std::string_view text) const;
    void Refresh(bool force);
    void Paint();
    void Draw(HDC target);

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    RECT rect_{};
    int textTop_ = 0;
    const SkinBitmap* background_ = nullptr;
    const SkinBitmap* bar_ = nullptr;
    COLORREF ground_ = RGB(255, 255, 255);
    HFONT font_ = nullptr;
    COLORREF textColour_ = RGB(0, 0, 0);
    InputLineState state_;
    InputLineText shown_;
    UniqueMemoryDc measure_;
};

}  // namespace qx
