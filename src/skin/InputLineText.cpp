#include "skin/InputLineText.h"

namespace qx {
namespace {

constexpr std::string_view kElided = "...\\";

struct PathParts {
    std::string drive;
    std::string folders;
    std::string name;
    std::string Joined() const { return drive + folders + name; }
};

PathParts Split(const std::string& text) {
    PathParts parts;
    std::size_t start = 0;
    if (text.size() >= 2 && text[1] == ':') {
        parts.drive = text.substr(0, 2);
        start = 2;
    }
    const std::size_t last = text.find_last_of("\\:");
    const std::size_t nameStart = (last == std::string::npos || last < start) ? start : last + 1;
    parts.folders = text.substr(start, nameStart - start);
    parts.name = text.substr(nameStart);
    return parts;
}

// Replaces the first real folder by "...\" (after a leading "\" and a "...\" from an earlier
// step). False when there is no real folder left to drop.
bool DropFirstFolder(std::string& folders) {
    std::string lead;
    std::string rest = folders;
    if (!rest.empty() && rest[0] == '\\') {
        lead.push_back('\\');
        rest.erase(0, 1);
    }
    if (rest.starts_with(kElided)) rest.erase(0, kElided.size());
    if (rest.empty()) return false;
    const std::size_t slash = rest.find('\\');
    rest.erase(0, slash == std::string::npos ? rest.size() : slash + 1);
    folders = lead + std::string(kElided) + rest;
    return true;
}

}  // namespace

std::string ShortenPath(std::string text, int width, const TextWidth& measure) {
    PathParts parts = Split(text);
    while (measure(text) > width && !(parts.folders.empty() && parts.drive.empty())) {
        if (parts.folders == "\\...\\") {
            parts.drive.clear();
            parts.folders = kElided;
        } else if (parts.folders.empty() || !DropFirstFolder(parts.folders)) {
            // Only "...\" is left of the folders: the drive goes next, then nothing more.
            if (parts.drive.empty()) break;
            parts.drive.clear();
        }
        text = parts.Joined();
    }
    return text;
}

std::string CaretText(int blinkCounter) { return blinkCounter < 4 ? "|" : " "; }

std::string SpinnerText(int blinkCounter) {
    switch (blinkCounter) {
    case 0:
    case 1: return "  |  ";
    case 2:
    case 3: return "  /  ";
    case 4:
    case 5: return "  -  ";
    default: return "  \\  ";
    }
}

std::string WaitText(int ticks) { return "Gewartet: " + std::to_string(ticks / 10) + "s Esc = ignorieren"; }

InputLineText PlanInputLine(const InputLineState& state, const TextWidth& measure) {
    InputLineText line;
    std::string text = state.input;
    std::string caret;
    if (!state.launchRunning) {
        if (!text.empty()) caret = CaretText(state.blinkCounter);
    } else if (state.launchTicks < kWaitTextTicks) {
        line.spinner = SpinnerText(state.blinkCounter);
    } else {
        text = WaitText(state.launchTicks);
    }
    const int caretWidth = caret.empty() ? 0 : measure(" ");
    const int spinnerWidth = line.spinner.empty() ? 0 : measure(line.spinner);
    const int room = state.barWidth - caretWidth - spinnerWidth - 12;
    text = TruncateFront(ShortenPath(std::move(text), room, measure), room, measure);
    line.text = text + caret;
    return line;
}

}  // namespace qx
