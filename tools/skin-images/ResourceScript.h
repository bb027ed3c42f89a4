#pragma once
#include <string>
#include <vector>

#include "SkinImage.h"

namespace qx::imagegen {

// The first resource id of the built-in images; they are numbered in the order given.
inline constexpr int kFirstResourceId = 2001;

// "SkinImages.rc": one BITMAP resource per built-in image, its file named relative to the
// source folder src/ (the resource compiler searches it as an include folder).
std::string ResourceScript(const std::vector<ImageGroup>& builtIn);
// "SkinImageIds.h": the same ids as C++ constants.
std::string ResourceIdHeader(const std::vector<ImageGroup>& builtIn);

}  // namespace qx::imagegen
