#pragma once
#include <climits>

#include "skin/PixelImage.h"

namespace qx {

// Magenta RGB(255,0,255) is the colour key of the layered window: those pixels are not
// drawn, which rounds the skins' corners. A window that is not layered shows them in light
// grey RGB(222,222,222) instead. Only exact magenta changes; alpha is kept.
void ReplaceMagenta(PixelImage& image);

// A released window's images are lighter and warmer so that it is told apart from the
// instance that took over: 20 more red and green (at most 255); magenta stays the colour key.
void TintReleased(PixelImage& image);

// Copies the top-left width x height pixels of source (all of it by default) onto target with
// their top-left corner at (left, top), one to one; whatever falls outside either image is left out.
void DrawImage(PixelView target, const PixelImage& source, int left, int top, int width = INT_MAX,
               int height = INT_MAX);

}  // namespace qx
