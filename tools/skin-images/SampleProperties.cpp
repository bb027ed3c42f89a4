// The sample skin's "properties.cfg": every key a skin can set, in the order the window
// documents them, as ANSI text with CR LF line ends.
#include <string>
#include <utility>
#include <vector>

#include "Looks.h"
#include "SampleSkin.h"

namespace qx::imagegen {

std::string SampleSkinProperties() {
    using namespace slate;
    const std::vector<std::pair<const char*, std::string>> keys = {
        {"AlphaMark", "1"},
        {"ShowFields", "1"},
        {"StretchFields", "1"},
        {"StretchMark", "1"},
        {"HasBackBitmap", "1"},
        {"AllowCustomBackground", "1"},
        {"HasBottomImage", "1"},
        {"FadeFolderSelection", "0"},
        {"AllroundMark", "1"},
        {"AlphaScrollbar", "1"},
        {"HideScrollbarBack", "0"},
        {"HideResizer", "0"},
        {"ResizerToForm", "1"},
        {"CustomHoverButtons", "1"},
        {"CustomDownButtons", "1"},
        {"ListboxLeft", std::to_string(kListLeft)},
        {"ListboxRight", std::to_string(kListRight)},
        {"ListboxBottom", std::to_string(kListBottom)},
        {"UnselTextCol", "214,220,228"},
        {"HasUnderText", "1"},
        {"UnderTextColor", "24,28,34"},
        {"IconOffsX1", "6"},
        {"IconOffsX2", "6"},
        {"HasTwoArrows", "1"},
        {"HideButtonText", "0"},
        {"FCropRight", "0"},
        {"FCropBottom", "0"},
        {"SelectionColor", "255,255,255"},
        {"FormEditTextCol", "236,240,245"},
        {"FormEditCol", "30,35,42"},
        {"FormCol", "37,42,50"},
        {"ButtonsFontBold", "0"},
        {"ButtonsFontName", "Arial"},
        {"ButtonsFontColor", "214,220,228"},
        {"ButtonsFontHeight", "13"},
        {"FormEditFontName", "Arial"},
        {"FormEditFontBold", "0"},
        {"CustomObjectPositions", "1"},
        {"CloseButtonLeft", std::to_string(kCloseLeft)},
        {"CloseButtonTop", std::to_string(kCloseTop)},
        {"MinButtonLeft", std::to_string(kMinLeft)},
        {"MinButtonTop", std::to_string(kMinTop)},
        {"FormEditLeft", std::to_string(kEditLeft)},
        {"FormEditTop", std::to_string(kEditTop)},
        {"FormEditRight", std::to_string(kEditRight)},
        {"FormEditHeight", std::to_string(kEditHeight)},
        {"ListboxTop", std::to_string(kListTop)},
        {"AllEntrysLeft", std::to_string(kAllEntriesLeft)},
        {"AllENtrysTop", std::to_string(kButtonsTop)},
        {"OptionsLeft", std::to_string(kOptionsLeft)},
        {"OptionsTop", std::to_string(kButtonsTop)},
        {"HelpLeft", std::to_string(kHelpLeft)},
        {"HelpTop", std::to_string(kButtonsTop)},
    };
    std::string text;
    for (const auto& [key, value] : keys) text += std::string(key) + "=" + value + "\r\n";
    return text;
}

}  // namespace qx::imagegen
