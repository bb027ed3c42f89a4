#pragma once
#include <array>

#include "store/Settings.h"

namespace qx {

// The settings that the options menu switches on and off.
enum class OptionFlag { StayOnTop, LockUntilLaunched, NeverMinimiseInFolderBrowser, LargeIcons, LargeSearchIcons, SmoothFonts };

inline constexpr std::array<int, 8> kOpacityMenuPercents{-1, 100, 95, 90, 85, 80, 75, 50};

bool& OptionFlagOf(Settings& settings, OptionFlag flag);
bool OptionFlagOf(const Settings& settings, OptionFlag flag);
// The percent of the opacity item to tick for a window alpha; any other value ticks 90 %.
int OpacityMenuTick(int alpha);

}  // namespace qx
