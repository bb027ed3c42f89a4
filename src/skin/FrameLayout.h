#pragma once
#include <array>

#include "controls/ListBoxModel.h"
#include "controls/Rect.h"
#include "skin/SkinLook.h"

namespace qx {

struct FramePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const FramePoint&, const FramePoint&) = default;
};

// Where the pieces of the borderless main window sit for a look. Positions are the skin's
// pixels at every screen DPI: the skins' images are drawn unscaled, so their object
// positions must stay unscaled too; only the rows follow the DPI.
struct FrameLayout {
    std::array<FramePoint, kWindowButtonCount> buttons{};  // indexed by WindowButton
    Rect edit;       // the hidden edit control that takes the keys
    Rect inputLine;  // the painted input line over it
    int listLeft = 0;
    int listTop = 0;
    int inputFontHeight = 18;
};

// The layout of a window windowWidth pixels wide (the input line's width follows it).
FrameLayout LayoutFrame(const SkinLook& look, int windowWidth);
// The input line's width in a window of that width, the edit's the same.
int InputLineWidth(const SkinLook& look, int windowWidth, int inputLeft);
// The window's size around a list of that size.
ImageSize WindowSizeAround(const SkinLook& look, int listWidth, int listHeight);
// How far the user may resize the list: a background picture bounds it, and a look without
// a grip (HideResizer) keeps the list at exactly the picture's size.
ListSizeLimits ListLimitsFor(const SkinLook& look);

// Centred on the screen: left := screen width div 2 - window width div 2, top likewise.
FramePoint CentreOnScreen(int screenWidth, int screenHeight, int windowWidth, int windowHeight);
// A dialog centred over its owner window.
FramePoint CentreOver(const Rect& owner, int width, int height);

}  // namespace qx
