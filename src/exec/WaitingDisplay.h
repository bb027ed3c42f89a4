#pragma once
#include <string>

namespace qx {

// Up to this many ticks of waiting the title strip shows a spinner, then the seconds waited.
inline constexpr int kSpinnerTicks = 40;

// The text painted into the title strip while a locked launch is waited for: a spinner
// frame chosen by the caret blink phase (0..7, two phases per frame) for the first four
// seconds, then the whole seconds waited with the hint that Esc stops waiting. The hint is
// German in both languages.
std::string WaitingDisplayText(int shownTicks, int blinkPhase);

}  // namespace qx
