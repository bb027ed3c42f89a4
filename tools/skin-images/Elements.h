#pragma once
// Pieces several looks draw: glossy round buttons, their glyphs, arrow glyphs with a halo,
// diagonal resize ridges and the program's word mark.
#include "Canvas.h"

namespace qx::imagegen {

// A round button: a rim, a body darker at the top and lighter at the bottom, and a soft
// highlight in the upper half.
struct SphereColours {
    Rgba rim;
    Rgba top;
    Rgba bottom;
    double shine = 0.85;  // opacity of the white highlight at its top
};
void DrawSphere(Canvas& canvas, double cx, double cy, double r, const SphereColours& colours);

// An "x" and a "-" centred on (cx, cy); half is half the glyph's extent.
Shape CrossGlyph(double cx, double cy, double half, double width);
Shape MinusGlyph(double cx, double cy, double half, double width);

// A right-pointing chevron made of two round-ended strokes.
Shape Chevron(double left, double top, double right, double bottom, double width);
// A right-pointing triangle, widened by `grow` on every side (0: the triangle itself).
Shape Triangle(double left, double top, double right, double bottom, double grow = 0);

// A transparent canvas with a halo shape below a glyph shape: the colour image is its
// Opaque() half (transparent pixels keep the halo's colour), the mask its AlphaAsGrey().
Canvas HaloGlyph(int width, int height, const Shape& glyph, Rgba glyphColour, const Shape& halo,
                 Rgba haloColour);

// Diagonal ridges in the bottom-right corner of a size x size canvas, as a grip to drag:
// `count` ridges, `spacing` pixels apart, each a shadow line with a light line above-left.
void DrawGripRidges(Canvas& canvas, int count, double spacing, Rgba shadow, Rgba light);

// The word "Quillox" drawn with round strokes; capHeight in pixels, (left, top) the top-left
// of the capital. The shape and how wide it is.
struct Wordmark {
    Shape shape;
    double width = 0;
};
Wordmark QuilloxWordmark(double left, double top, double capHeight);

}  // namespace qx::imagegen
