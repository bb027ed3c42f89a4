#include "skin/win32/FontQuality.h"

namespace qx {

void ApplyFontQuality(UniqueFont& font, bool smooth) {
    LOGFONTA description{};
    if (!font || GetObjectA(font.get(), sizeof(description), &description) != sizeof(description)) return;
    description.lfQuality = smooth ? CLEARTYPE_QUALITY : DEFAULT_QUALITY;
    if (HFONT remade = CreateFontIndirectA(&description)) font.reset(remade);
}

}  // namespace qx
