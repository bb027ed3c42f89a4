#pragma once
#include "platform/win32/Win32Api.h"

#include "controls/ListBoxModel.h"
#include "skin/SkinLook.h"
#include "skin/win32/SkinBitmap.h"

namespace qx {

// Draws the result list with the images of a look: the field image under each row (field2 on
// odd rows), the selection mark (stretched, or three-piece with caps), the scroll track,
// thumb and grip, and the row text in the look's colours. Icons, arrows and the text halo
// are not drawn here.
class ListLookPainter {
public:
    // Takes the look's images and tells the model their sizes, the selection colour and the
    // crop at the bottom. Without images the model gets the plain thumb and no grip.
    void SetLook(const SkinLook& look, ListBoxModel& model);
    // Whether the look has any list image; without one the list draws its plain look.
    bool HasImages() const { return hasImages_; }
    // Where the list lies on the window: a look with a window background shows it through
    // the part of the list that no row covers.
    void SetListOrigin(int x, int y) { origin_ = POINT{x, y}; }
    // One row (index -1: the background and scroll bar) into the list's off-screen canvas.
    void Draw(HDC canvas, const ListBoxModel& model, int index, const RECT& rect, const RowState& state) const;

private:
    void DrawBackground(HDC canvas, const ListBoxModel& model) const;
    void DrawMark(HDC canvas, const RECT& row) const;

    SkinBitmap background_;
    COLORREF ground_ = RGB(255, 255, 255);  // beyond the background: the window's colour
    POINT origin_{};
    SkinBitmap field_, field2_, mark_, leftCap_, rightCap_, thumb_, track_, grip_;
    bool hasImages_ = false;
    bool showFields_ = true;
    bool stretchFields_ = true;
    bool stretchMark_ = true;
    bool threePieceMark_ = false;
    COLORREF selectionText_ = RGB(255, 255, 255);
    COLORREF unselectedText_ = RGB(0, 0, 0);
};

}  // namespace qx
