#pragma once
#include "platform/win32/Win32Api.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/win32/ObjectWindowProc.h"
#include "platform/win32/UniqueHandle.h"
#include "skin/ImageButtonModel.h"
#include "skin/SkinLook.h"

namespace qx {

// The skinned image button: a child window that shows a face rendered from the look's images
// (copied into the face, darkened at the animated level, the caption drawn on it) and tells its
// parent of a click as a push button does (WM_COMMAND, BN_CLICKED, its id, its handle).
// Hover and press run through ImageButtonModel; the 10 ms timer drives its level animation.
class ImageButton {
public:
    static constexpr const char* kClassName = "QuilloxImageButton";

    ImageButton(HINSTANCE instance, const IClock& clock);
    ~ImageButton();
    ImageButton(const ImageButton&) = delete;
    ImageButton& operator=(const ImageButton&) = delete;

    bool Create(HWND parent, int controlId, int x, int y);
    HWND Handle() const { return hwnd_; }

    // The look's images, styles and caption; re-renders and fits the button to its draw image.
    // A button without a draw image is hidden.
    void SetLook(const ButtonLook& look);
    void SetFont(const ButtonFont& font);
    // Shown where the face draws nothing (a simple-style button without a hover image).
    void SetGroundColour(std::uint32_t colour) { ground_ = colour; }
    // Width and height := those of the draw image.
    void FitToBitmap();
    void MoveTo(int x, int y);

    // The face as last rendered (empty when nothing was rendered).
    const PixelImage& Face() const { return face_; }
    const ImageButtonModel& Model() const { return model_; }

private:
    friend LRESULT CALLBACK ObjectWindowProc<ImageButton>(HWND, UINT, WPARAM, LPARAM);
    void AttachWindow(HWND hwnd) { hwnd_ = hwnd; }
    void DetachWindow() { hwnd_ = nullptr; }
    static void ReportFailure(const char* what) { OutputDebugStringA(what); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Apply(ButtonUpdate update);
    void Render();
    void DrawCaption();
    void Paint();

    HINSTANCE instance_;
    ImageButtonModel model_;
    HWND hwnd_ = nullptr;
    ButtonLook look_;
    UniqueFont font_;
    std::uint32_t fontColour_ = 0;
    std::uint32_t ground_ = 0xEDEDED;
    PixelImage face_;
    bool timerRunning_ = false;
    bool tracking_ = false;
    bool pressed_ = false;  // the left button went down on the button and is not up yet

public:
    // ClearType (true) or default quality for the caption font, now and for later fonts.
    void SetFontSmoothing(bool smooth);

private:
    bool smoothFont_ = false;
};

}  // namespace qx
