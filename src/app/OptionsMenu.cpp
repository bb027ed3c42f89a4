#include "app/OptionsMenu.h"

#include <algorithm>

namespace qx {

bool& OptionFlagOf(Settings& settings, OptionFlag flag) {
    switch (flag) {
        case OptionFlag::StayOnTop: return settings.stayOnTop;
        case OptionFlag::LockUntilLaunched: return settings.lockQuilloxUntilExecDone;
        case OptionFlag::NeverMinimiseInFolderBrowser: return settings.noAutoMinInFolderSearch;
        case OptionFlag::LargeIcons: return settings.largeIcons;
        case OptionFlag::SmoothFonts: return settings.smoothFonts;
        case OptionFlag::LargeSearchIcons: break;
    }
    return settings.largeSearchIcons;
}

bool OptionFlagOf(const Settings& settings, OptionFlag flag) {
    return OptionFlagOf(const_cast<Settings&>(settings), flag);
}

int OpacityMenuTick(int alpha) {
    const int percent = alpha == kNotLayered ? kNotLayered : AlphaToPercent(alpha);
    const bool listed = std::find(kOpacityMenuPercents.begin(), kOpacityMenuPercents.end(), percent) !=
                        kOpacityMenuPercents.end();
    return listed ? percent : 90;
}

}  // namespace qx
