#pragma once
#include <string>
#include <vector>

#include "Canvas.h"

namespace qx::imagegen {

// One generated image. Alpha masks are ordinary images whose grey level is the opacity.
struct SkinImage {
    std::string name;      // file name without ".bmp"; for a skin folder its relative path
    std::string constant;  // resource id constant of a built-in image; empty in a skin folder
    std::string use;       // where the window uses it, one short line
    Canvas canvas;         // written opaque: its alpha is ignored
};

// The images of one look, in the order they are written and shown.
struct ImageGroup {
    std::string title;
    std::vector<SkinImage> images;
};

// The colour key the window turns transparent: these pixels are holes (rounded corners).
constexpr Rgba kMagenta = Hex(0xFF00FF);

}  // namespace qx::imagegen
