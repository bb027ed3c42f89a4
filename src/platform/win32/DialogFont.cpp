#include "platform/win32/DialogFont.h"

namespace qx {

UniqueFont CreateDialogFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return UniqueFont(::CreateFontIndirectA(&metrics.lfMessageFont));
    return {};
}

}  // namespace qx
