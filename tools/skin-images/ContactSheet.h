#pragma once
#include <vector>

#include "SkinImage.h"

namespace qx::imagegen {

// One picture of everything: mock-ups of the window in each look at their real size, then
// every image of every look enlarged (nearest neighbour) with its name and size.
Canvas ContactSheet(const std::vector<ImageGroup>& builtIn, const ImageGroup& sample);

}  // namespace qx::imagegen
