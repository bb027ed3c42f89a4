#include "controls/ScrollGeometry.h"

#include <algorithm>
#include <cmath>

namespace qx {

int RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double result = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) result = floor + 1.0;
    return static_cast<int>(result);
}

int VisibleRowCount(int controlHeight, int bottomMargin, int rowHeight) {
    if (rowHeight <= 0) return 0;
    const int usable = controlHeight - bottomMargin;
    if (usable <= 0) return 0;
    return RoundHalfEven(static_cast<double>(usable) / rowHeight);
}

ScrollGeometry ComputeScrollGeometry(int controlHeight, int rowCount, int visibleRows, int topIndex,
                                     ImageSize thumb, ImageSize grip) {
    ScrollGeometry g;
    g.barWidth = std::max(0, thumb.width);
    g.thumbHeight = std::max(0, thumb.height);
    g.trackHeight = controlHeight - g.thumbHeight - (grip.Empty() ? 0 : grip.height);
    g.maxTopIndex = std::max(0, rowCount - std::max(0, visibleRows));
    if (g.maxTopIndex > 0 && g.trackHeight > 0) {
        const int top = std::clamp(topIndex, 0, g.maxTopIndex);
        g.thumbTop = RoundHalfEven(static_cast<double>(g.trackHeight) * top / g.maxTopIndex);
    }
    return g;
}

int TopIndexForThumbTop(const ScrollGeometry& geometry, int thumbTop) {
    if (geometry.trackHeight <= 0 || geometry.maxTopIndex <= 0) return 0;
    const int top = RoundHalfEven(static_cast<double>(geometry.maxTopIndex) * thumbTop / geometry.trackHeight);
    return std::clamp(top, 0, geometry.maxTopIndex);
}

int TopIndexForThumbCentre(const ScrollGeometry& geometry, int y) {
    if (geometry.trackHeight <= 0 || geometry.maxTopIndex <= 0) return 0;
    const double thumbTop = y - geometry.thumbHeight / 2.0;
    const int top = RoundHalfEven(geometry.maxTopIndex * thumbTop / geometry.trackHeight);
    return std::clamp(top, 0, geometry.maxTopIndex);
}

int ColourDepthClass(int bitsPerPixel) {
    int depthClass = 0;
    switch (bitsPerPixel) {
        case 1: depthClass = 1; break;
        case 4: depthClass = 2; break;
        case 8: depthClass = 3; break;
        case 15: depthClass = 4; break;
        case 16: depthClass = 5; break;
        case 24: depthClass = 6; break;
        case 32: depthClass = 7; break;
        default: depthClass = bitsPerPixel > 32 ? 8 : 0; break;
    }
    // Row drawing knows only true colour with and without an alpha byte.
    if (depthClass < 6) depthClass = 6;
    if (depthClass == 8) depthClass = 7;
    return depthClass;
}

}  // namespace qx
