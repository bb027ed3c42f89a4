#pragma once
// A 5 x 7 pixel font for the labels of the contact sheet.
#include <string_view>

#include "Canvas.h"

namespace qx::imagegen {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
constexpr int kGlyphAdvance = 6;

// Draws text with its top-left at (x, y), each font pixel `scale` x `scale` pixels.
// Characters without a glyph show as a hollow box.
void DrawText(Canvas& canvas, int x, int y, std::string_view text, Rgba colour, int scale = 1);
int TextWidth(std::string_view text, int scale = 1);

}  // namespace qx::imagegen
