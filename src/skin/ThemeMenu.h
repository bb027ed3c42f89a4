#pragma once
#include <string>

namespace qx {

// One item of the "Theme" menu: the built-in looks (tags 0 to 3, some hidden), then one item
// per entry of the skins folder (tag 4), read afresh each time the menu opens.
struct ThemeMenuItem {
    // The look's name; a custom skin's is its folder name exactly, so a menu that shows it
    // doubles any "&" rather than letting it underline the next letter.
    std::string caption;
    int tag = 0;
    bool visible = true;
    bool checked = false;
    bool separatorBefore = false;  // the first custom item follows a separator
};

}  // namespace qx
