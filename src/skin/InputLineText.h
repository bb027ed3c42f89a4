#pragma once
#include <string>

#include "skin/TextFit.h"

namespace qx {

// Shortens a path a folder at a time until it fits the width: "C:\a\b\c\x.exe" becomes
// "C:\...\b\c\x.exe", "C:\...\c\x.exe", "C:\...\x.exe", then "...\x.exe" without the drive.
// The drive is the first two characters when the second is ":", the file name follows the
// last "\" or ":", the folders lie between. Stops when nothing but the file name and "...\"
// is left, even if the text is still too wide.
std::string ShortenPath(std::string text, int width, const TextWidth& measure);

// The blinking caret by the 100 ms refresh counter (0..7): "|" for the first four, then " ".
std::string CaretText(int blinkCounter);
// The busy spinner beside a running launch, by the same counter.
std::string SpinnerText(int blinkCounter);

// A launch running this many 100 ms ticks or more shows the wait text instead of the input.
inline constexpr int kWaitTextTicks = 41;
// "Gewartet: 5s Esc = ignorieren" after 50 ticks (the text has no English form).
std::string WaitText(int ticks);

struct InputLineState {
    std::string input;
    bool launchRunning = false;
    int launchTicks = 0;   // 100 ms ticks the running launch has waited
    int blinkCounter = 0;  // 0..7
    int barWidth = 0;      // the painted input line's width
};

// What the painted input line shows: the text drawn at its left (the caret included) and the
// spinner right-aligned at the bar's end (empty when none).
struct InputLineText {
    std::string text;
    std::string spinner;
    bool operator==(const InputLineText&) const = default;
};

// Fits the line into bar width - caret width - spinner width - 12: first shortened as a path,
// then, if still too wide, leading characters give way to "..". The caret is appended to a
// non-empty input while no launch runs; a running launch shows the spinner instead, and from
// 41 ticks on the wait text without a spinner.
InputLineText PlanInputLine(const InputLineState& state, const TextWidth& measure);

}  // namespace qx
