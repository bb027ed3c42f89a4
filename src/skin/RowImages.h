#pragma once
#include "skin/PixelImage.h"
#include "skin/RowPlan.h"
#include "skin/SkinLook.h"

namespace qx {

// Draws a row's images (field, selection mark, arrow) onto the list's off-screen pixels as
// the plan says; the window draws the icon and the texts over them. large picks the arrows
// for large icons; fadeRamp is the built-in ramp the fading mark needs (none: no fade mark).
void DrawRowImages(PixelView canvas, const RowPlan& plan, const SkinLook& look, bool large, int rowHeight,
                   const PixelImage* fadeRamp);

// Draws the list background: the window's background part, scroll track, grip and thumb.
void DrawListBackgroundImages(PixelView canvas, const ListBackgroundPlan& plan, const SkinLook& look);

}  // namespace qx
