#pragma once
// The looks the generator draws. Each function returns its images in a fixed order.
#include <string>

#include "SkinImage.h"

namespace qx::imagegen {

// Built into the program (resources): the frame and buttons shared by every built-in look.
ImageGroup SharedFrameImages();
// Built in: the row arrows.
ImageGroup ArrowImages();
// Built in: the list images of the "Windows" look.
ImageGroup WindowsLookImages();
// Built in: the list images of the three "MacOS" looks (fields, marks, scroll bar, grip).
ImageGroup MacLookImages();

// The sample custom skin: every file of a skin folder, paths relative to the folder.
ImageGroup SampleSkinImages();
// Its "properties.cfg", CR LF line ends.
std::string SampleSkinProperties();
// The folder name of the sample skin.
inline constexpr const char* kSampleSkinName = "Slate";

}  // namespace qx::imagegen
