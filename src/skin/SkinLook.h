#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "skin/ImageButtonModel.h"
#include "skin/PixelImage.h"
#include "skin/SkinProperties.h"

namespace qx {

// Everything the window draws of the active look, as the skin hands it over after each change
// (start-up, a Theme or background menu choice, an opacity change, a resize that composes the
// background). The window applies a look as a whole and keeps the images it is given.

enum class WindowButton { AllEntries, Options, Info, Close, Minimise };
inline constexpr std::size_t kWindowButtonCount = 5;

struct ButtonLook {
    SkinImage draw;   // none: the button draws nothing
    SkinImage hover;  // the Simple style's hover face and, without a down image, its pressed face
    SkinImage down;   // used only with useDownBitmap
    HoverStyle hoverStyle = HoverStyle::Simple;
    bool useDownBitmap = false;
    bool hideText = false;
    std::string caption;  // drawn on the face unless hideText (the three text buttons)
};

// The caption font of the three text buttons.
struct ButtonFont {
    std::string name = "Arial";
    int height = 14;  // pixels
    bool bold = false;
    std::uint32_t colour = 0x000000;  // 0x00BBGGRR
};

// The result list's images; a null image is not drawn.
struct ListLook {
    SkinImage field;   // even rows
    SkinImage field2;  // odd rows
    SkinImage mark;    // selection mark
    SkinImage markAlpha;
    SkinImage leftCap, leftCapAlpha, rightCap, rightCapAlpha;  // three-piece mark
    SkinImage scrollThumb, scrollThumbAlpha, scrollTrack;
    SkinImage grip;  // the list's own resize grip; none when hidden or on the window
    SkinImage fadeRamp;  // alpha ramp of the selection fading out at its right end (folders)
    int cropRight = 0;
    int cropBottom = 0;  // rows leave this many pixels at the list's bottom unused
    std::uint32_t selectionColour = 0xFFFFFF;  // text of the selected row
    std::uint32_t unselectedTextColour = 0x000000;
};

struct SkinLook {
    int tag = 2;            // 0..3 a built-in look, 4 a custom skin
    bool isCustom = false;  // a custom skin's images are in use
    SkinProperties properties;  // flags, margins, colours and object positions in force

    ListLook list;
    // Folder arrow 16, 32, alpha 16, alpha 32; then the file arrow likewise.
    std::array<SkinImage, 8> arrows;
    std::array<ButtonLook, kWindowButtonCount> buttons;  // indexed by WindowButton
    ButtonFont buttonFont;

    SkinImage topLeft;   // top-left frame image
    SkinImage topRight;  // top-right frame image, right-aligned
    bool topLeftVisible = true;
    bool topRightVisible = true;
    // Pixels of the colour of topRight's bottom-left pixel are not drawn (a skin's
    // "Leiste\TranspBitmap.bmp" marks its see-through part so, pure green in "Slate").
    bool topRightTransparent = false;
    SkinImage inputBar;  // stretched under the input line when there is no background
    SkinImage windowGrip;  // the separate grip image on the window; none: hidden
    // The composed window background, drawn at the window's top-left; none: the window colour.
    SkinImage background;

    std::uint32_t windowColour = 0xEDEDED;     // 0x00BBGGRR
    std::uint32_t inputBackColour = 0xDEDEDE;
    std::uint32_t inputTextColour = 0x000000;  // folder browsing draws its own colour over it
    std::string inputFontName = "Arial";
    bool inputFontBold = false;
};

inline const ButtonLook& ButtonOf(const SkinLook& look, WindowButton button) {
    return look.buttons[static_cast<std::size_t>(button)];
}

}  // namespace qx
