#include "skin/RowMetrics.h"

#include "controls/ScrollGeometry.h"

namespace qx {
namespace {

int HeightOf(const SkinImage& image) { return image ? image->height : 0; }

}  // namespace

int LargeIconSize(int systemLargeIconSize) {
    return systemLargeIconSize == 16 || systemLargeIconSize == 32 || systemLargeIconSize == 48
               ? systemLargeIconSize
               : 32;
}

RowMetrics ComputeRowMetrics(const SkinLook& look, bool large, bool scale, double dpiFactorY,
                             int systemLargeIconSize) {
    const SkinProperties& p = look.properties;
    RowMetrics m;
    if (large) {
        m.fontHeight = 16;
        m.iconSize = LargeIconSize(systemLargeIconSize);
        m.iconTop = 1;
        m.iconLeft = p.iconOffsetLarge;
        m.textTop = (m.iconSize - m.fontHeight) / 2 - 1;
        m.textLeft = m.iconLeft + m.iconSize + 2;
        m.rowHeight = m.iconSize + 3;
    } else {
        m.fontHeight = 14;
        m.iconSize = 16;
        m.iconTop = 2;
        m.iconLeft = p.iconOffsetSmall;
        m.textTop = 3;
        m.textLeft = m.iconLeft + 19;
        m.rowHeight = 19;
    }
    if (scale && p.stretchFields) {
        for (int* metric : {&m.rowHeight, &m.fontHeight, &m.iconTop, &m.iconLeft, &m.textTop, &m.textLeft})
            *metric = RoundHalfEven(*metric * dpiFactorY);
    }
    // Arrows: folder 16, folder large, then their alpha images, then the file arrows likewise.
    const int sizeIndex = large ? 1 : 0;
    m.folderArrowTop = (m.rowHeight - HeightOf(look.arrows[sizeIndex])) / 2;
    m.fileArrowTop = (m.rowHeight - HeightOf(look.arrows[4 + sizeIndex])) / 2;
    return m;
}

}  // namespace qx
