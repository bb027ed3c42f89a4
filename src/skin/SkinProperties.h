#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

// Where the window's objects sit, in pixels. The key file sets these only when its
// CustomObjectPositions is 1; otherwise the window keeps the ones it has.
struct SkinPositions {
    int closeButtonLeft = 8;
    int closeButtonTop = 4;
    int minimiseButtonLeft = 29;
    int minimiseButtonTop = 4;
    int inputLeft = 48;
    int inputTop = 0;       // the edit control itself sits 2 pixels lower
    int inputRightGap = 225;  // from the input line's right end to the window's right edge
    int inputHeight = 20;
    int listTop = 41;
    int allEntriesLeft = 3;
    int allEntriesTop = 24;
    int optionsLeft = 154;
    int optionsTop = 24;
    int infoLeft = 233;
    int infoTop = 24;

    bool operator==(const SkinPositions&) const = default;
};

// Every key of a custom skin's "properties.cfg", initialised to the value a skin gets when
// its file leaves the key out. Colours are 0x00BBGGRR (red in the low byte).
struct SkinProperties {
    bool alphaMark = false;            // the selection mark has an alpha mask
    bool showFields = true;            // draw the row field image
    bool stretchFields = true;         // stretch it; also scales row metrics by the screen DPI
    bool stretchMark = true;           // stretch the selection mark over the row
    bool hasBackBitmap = false;        // a full window background image
    bool allowCustomBackground = false;  // the user may lay his own picture under the list
    bool hasBottomImage = false;       // an image along the window's bottom edge
    bool fadeFolderSelection = false;  // the mark fades out at its right end while browsing
    bool allRoundMark = false;         // mark of left cap, stretched middle and right cap
    bool alphaScrollbar = false;       // the scroll thumb has an alpha mask
    bool hideScrollbarBack = false;    // no scroll track
    bool hideResizer = false;          // no resize grip and no top-right frame image
    bool resizerToForm = false;        // the grip is an image on the window, not in the list
    bool customHoverButtons = false;   // buttons have their own hover images
    bool customDownButtons = false;    // buttons have their own pressed images
    int listLeft = 2;                  // list margins inside the background
    int listRight = 2;
    int listBottom = 2;
    std::uint32_t unselectedTextColour = 0x000000;
    bool hasUnderText = false;  // a halo behind row text
    std::uint32_t underTextColour = 0xFFFFFF;
    int iconOffsetSmall = 2;  // row icon's left offset, 16-pixel icons
    int iconOffsetLarge = 2;  // the same for 32-pixel icons
    bool hasTwoArrows = false;  // separate folder and file arrows
    bool hideButtonText = false;
    int listCropRight = 0;   // handed to the list control
    int listCropBottom = 0;
    std::uint32_t selectionColour = 0x000000;  // text of the selected row
    std::uint32_t inputTextColour = 0x000000;
    std::uint32_t inputBackColour = 0x000000;
    std::uint32_t windowColour = 0x000000;
    bool buttonsFontBold = false;  // the caption font of the three text buttons
    std::string buttonsFontName = "Arial";
    std::uint32_t buttonsFontColour = 0x000000;
    int buttonsFontHeight = 14;  // pixels
    std::string inputFontName = "Arial";
    bool inputFontBold = false;
    bool customObjectPositions = false;
    SkinPositions positions;

    bool operator==(const SkinProperties&) const = default;
};

struct SkinPropertiesRead {
    SkinProperties properties;
    // The keys whose value could not be read, spelled as in the file's key list and in that
    // list's order, each at most once; they kept their default.
    std::vector<std::string> malformedKeys;
};

// Reads the text of "properties.cfg" (Windows-1252 bytes; CR LF, LF or CR line ends; a UTF-8
// byte order mark in front is dropped). Each line is key "=" value, split at the first "=";
// lines without one and unknown keys are ignored. As in "config.cfg", keys match without
// regard to ASCII case and only a key's first line counts, even when its value is empty.
//
// An empty or absent value gives the default above. Integers are strict decimal ("-"?
// digits) within -32768..32767, the range of window coordinates; flags are integers that are
// set exactly when the value is 1 ("2" clears one). A colour is "r,g,b", each a decimal
// number 0..255, the third running to the end of the value. Font names are kept as written,
// up to the 31 characters Windows allows.
// Anything else leaves the default and lists the key in malformedKeys.
//
// The position keys are read only when CustomObjectPositions is 1; otherwise the result holds
// currentPositions (the window's positions since its last reset) and their lines are not
// checked. A missing file reads as empty text. Memory use beyond the text is bounded by the
// number of keys, however long the text or its lines.
SkinPropertiesRead ReadSkinProperties(std::string_view text, const SkinPositions& currentPositions);

}  // namespace qx
