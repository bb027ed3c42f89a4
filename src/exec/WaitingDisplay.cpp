#include "exec/WaitingDisplay.h"

namespace qx {

std::string WaitingDisplayText(int shownTicks, int blinkPhase) {
    if (shownTicks > kSpinnerTicks) return "Gewartet: " + std::to_string(shownTicks / 10) + "s Esc = ignorieren";
    static constexpr const char* kFrames[] = {"  |  ", "  /  ", "  -  ", "  \\  "};
    const int phase = blinkPhase < 0 ? 0 : blinkPhase % 8;
    return kFrames[phase / 2];
}

}  // namespace qx
