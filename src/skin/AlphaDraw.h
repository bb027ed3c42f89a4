#pragma once
#include "controls/Rect.h"
#include "skin/PixelImage.h"

namespace qx {

// Blends source onto destination with its top-left at (x, y), clipped to the destination, the
// source and (when used) the mask. Only the three colour channels change; the destination's
// alpha byte is kept.
// - opacity < 0: per pixel and per channel, the mask's channel c weights the source's channel
//   c, so a grey mask is an ordinary alpha and a coloured one tints. Without a mask nothing is
//   drawn.
// - opacity >= 0: every pixel mixes with that constant weight; the mask is ignored.
// Results are rounded to the nearest value (halves to even) and clamped to 0..255.
void DrawAlphaBitmap(int x, int y, PixelView destination, const PixelImage& source,
                     const PixelImage* mask, double opacity);

// Draws source stretched over the rectangle (clipped to the destination), nearest neighbour
// like StretchBlt's default mode: each target pixel takes the source pixel under its centre.
void StretchImage(const Rect& target, PixelView destination, const PixelImage& source);

// The source stretched to a new image of the given size (empty for a size of zero).
PixelImage Stretched(const PixelImage& source, int width, int height);

// The selection mark of left cap, stretched middle and right cap over markRect; the caps are
// blended with their alpha images. Missing caps count as zero wide and are not drawn.
void DrawThreePieceMark(PixelView destination, const Rect& markRect, const PixelImage& mark,
                        const PixelImage* leftCap, const PixelImage* leftCapAlpha,
                        const PixelImage* rightCap, const PixelImage* rightCapAlpha);

// The mark stretched over markRect, fading out over its last ramp-width pixels: the mark,
// squeezed to ramp width x row height, is blended there with the ramp (stretched to the same
// size) as its per-pixel alpha.
void DrawFadeMark(PixelView destination, const Rect& markRect, int rowHeight, const PixelImage& mark,
                  const PixelImage& ramp);

}  // namespace qx
