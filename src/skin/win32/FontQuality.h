#pragma once
#include "platform/win32/Win32Api.h"

#include "platform/win32/UniqueHandle.h"

namespace qx {

// The font made anew from its own LOGFONT with ClearType quality (smooth) or the default
// quality; the font itself when it cannot be read or made.
void ApplyFontQuality(UniqueFont& font, bool smooth);

}  // namespace qx
