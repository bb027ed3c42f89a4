#pragma once
// Mock-ups of the window in each look, put together from the generated images the way the
// window puts them together (stretching, alpha masks, colour key), for the contact sheet.
#include <vector>

#include "SkinImage.h"

namespace qx::imagegen {

// Look 0 "Windows", 1 to 3 "MacOS 1" to "MacOS 3", with rows for small or large (32-pixel)
// icons. Magenta shows as `desktop`.
Canvas BuiltInPreview(const std::vector<ImageGroup>& builtIn, int look, bool largeIcons, Rgba desktop);
Canvas SamplePreview(const ImageGroup& sample, Rgba desktop);

}  // namespace qx::imagegen
