#pragma once
#include <string>

#include "skin/SkinLook.h"

namespace qx {

// Where things sit in a result row, all relative to the row's top-left, for one icon size.
struct RowMetrics {
    int iconSize = 16;
    int iconLeft = 2;
    int iconTop = 2;
    int textLeft = 21;
    int textTop = 3;
    int rowHeight = 19;
    std::string fontName = "Arial";
    int fontHeight = 14;  // pixels
    int folderArrowTop = 0;
    int fileArrowTop = 0;
    bool operator==(const RowMetrics&) const = default;
};

// The large icon size rows use: the system's large shell icon size when it is 16, 32 or 48,
// otherwise 32.
int LargeIconSize(int systemLargeIconSize);

// The row metrics for small or large icons. With scale and a look that stretches its fields,
// every metric but the icon size is multiplied by the vertical DPI factor (pixels per inch /
// 96) and rounded, halves to even. The arrows are centred in the row, using the look's folder
// and file arrows for the size (16 pixels, or large), rounding down.
RowMetrics ComputeRowMetrics(const SkinLook& look, bool large, bool scale, double dpiFactorY,
                             int systemLargeIconSize);

}  // namespace qx
