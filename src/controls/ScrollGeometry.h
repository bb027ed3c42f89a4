#pragma once
#include "controls/Rect.h"

namespace qx {

// Where the list's own scroll bar and its thumb are, for one state of the list.
struct ScrollGeometry {
    int barWidth = 0;     // the thumb image's width; the row area ends where the bar begins
    int thumbHeight = 0;  // the thumb image's height
    int trackHeight = 0;  // room the thumb's top can travel: height - thumb - grip
    int maxTopIndex = 0;  // largest first visible row; 0 when every row fits
    int thumbTop = 0;

    bool CanScroll() const { return maxTopIndex > 0; }
    // The thumb in control coordinates for a control of the given width.
    Rect ThumbRect(int controlWidth) const {
        return Rect{controlWidth - barWidth, thumbTop, controlWidth, thumbTop + thumbHeight};
    }
};

// Rounds to the nearest integer, halves to even (the rounding the row metrics use too).
int RoundHalfEven(double value);

// Visible rows: the usable height divided by the row height, rounded. Never negative.
int VisibleRowCount(int controlHeight, int bottomMargin, int rowHeight);

ScrollGeometry ComputeScrollGeometry(int controlHeight, int rowCount, int visibleRows, int topIndex,
                                     ImageSize thumb, ImageSize grip);

// The first visible row that puts the thumb's centre at the given height (a click on the
// track); clamped to 0..maxTopIndex.
int TopIndexForThumbCentre(const ScrollGeometry& geometry, int y);
// The first visible row that puts the thumb's top at the given height (a thumb drag).
int TopIndexForThumbTop(const ScrollGeometry& geometry, int thumbTop);

// The colour depth class row drawing uses, from the screen's bits per pixel: 32 bits and
// more give 7, everything else 6.
int ColourDepthClass(int bitsPerPixel);

}  // namespace qx
