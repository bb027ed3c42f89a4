#pragma once
#include "platform/win32/Win32Api.h"

#include <vector>

#include "controls/ListBoxModel.h"
#include "skin/PixelImage.h"
#include "skin/RowMetrics.h"
#include "skin/RowPlan.h"
#include "skin/SkinLook.h"

namespace qx {

// Paints the result list as the row plans say: images (background, scroll bar, fields, marks,
// arrows) are blended straight into the list's off-screen pixels, then GDI draws the icon,
// the halo and the texts over them in the row font selected into the canvas.
class RowPainter {
public:
    // Takes the look and tells the model its image sizes, selection colour and bottom crop.
    void SetLook(const SkinLook& look, ListBoxModel& model);
    // Whether the look can paint rows at all; without its second field image nothing is.
    bool CanPaint() const { return look_.list.field2 != nullptr; }
    void SetMetrics(const RowMetrics& metrics) { metrics_ = metrics; }
    // Where the list lies on the window: its part of the window background shows through.
    void SetListOrigin(int x, int y) { origin_ = Point{x, y}; }

    // The background and scroll bar (index -1). pixels are the canvas's own memory.
    void DrawBackground(HDC canvas, PixelView pixels, const ListBoxModel& model);
    // One row; context carries the list-wide state, the rest is read from the model.
    void DrawRow(HDC canvas, PixelView pixels, const ListBoxModel& model, int index, const RowToPaint& row,
                 RowContext context);
    // Whether the visible row's detail text was cut (or has more) when last painted.
    bool DetailTruncated(const ListBoxModel& model, int index) const;

private:
    SkinLook look_;
    RowMetrics metrics_;
    Point origin_;
    std::vector<bool> truncated_;  // per visible row, from the top row
};

}  // namespace qx
