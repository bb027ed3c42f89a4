#include "store/Settings.h"

#include <array>
#include <climits>
#include <cstdint>
#include <string_view>

namespace qx {

namespace {

enum class Kind { Version, Integer, Opacity, Flag, Text };

struct KeyInfo {
    const char* key;
    Kind kind;
    int Settings::*integer = nullptr;
    int minimum = INT_MIN;
    int maximum = INT_MAX;
    bool Settings::*flag = nullptr;
    std::string Settings::*text = nullptr;
};

constexpr KeyInfo Int(const char* key, int Settings::*field, int minimum, int maximum) {
    return {key, Kind::Integer, field, minimum, maximum, nullptr, nullptr};
}
constexpr KeyInfo Flag(const char* key, bool Settings::*field) {
    return {key, Kind::Flag, nullptr, 0, 0, field, nullptr};
}
constexpr KeyInfo Text(const char* key, std::string Settings::*field) {
    return {key, Kind::Text, nullptr, 0, 0, nullptr, field};
}

// The order in which the keys are written.
const std::array<KeyInfo, kSettingsKeyCount> kKeys{{
    {"Version", Kind::Version},
    Int("Language", &Settings::language, 0, 1),
    {"Opacity", Kind::Opacity},
    Int("lbWidth", &Settings::listWidth, kMinListExtent, kMaxListExtent),
    Int("lbHeight", &Settings::listHeight, kMinListExtent, kMaxListExtent),
    Int("reWidth", &Settings::folderListWidth, kMinListExtent, kMaxListExtent),
    Int("reHeight", &Settings::folderListHeight, kMinListExtent, kMaxListExtent),
    Flag("StayOnTop", &Settings::stayOnTop),
    Flag("NoAutoMinInFolderSearch", &Settings::noAutoMinInFolderSearch),
    Flag("LockQuilloxUntilExecDone", &Settings::lockQuilloxUntilExecDone),
    Flag("32*32-Icons", &Settings::largeIcons),
    Flag("32*32-Search", &Settings::largeSearchIcons),
    Int("MacOSSkin", &Settings::macOSSkin, 0, INT_MAX),
    Flag("SmoothFonts", &Settings::smoothFonts),
    Text("CustomSkin", &Settings::customSkin),
    Text("CustomBackgroundPath", &Settings::customBackgroundPath),
    Flag("EditEntryWinver", &Settings::editEntryWinver),
    Text("OpenGoogleChar", &Settings::openGoogleChar),
    Text("FolderSearchChar", &Settings::folderSearchChar),
    Text("MyComputerChar", &Settings::myComputerChar),
    Text("DesktopChar", &Settings::desktopChar),
    Text("DeviceControlChar", &Settings::deviceControlChar),
    Text("ExecWinChar", &Settings::execWinChar),
    Text("ExecURLChar", &Settings::execURLChar),
    Text("ExecURLwwwChar", &Settings::execURLwwwChar),
    Text("ExecHttpChar", &Settings::execHttpChar),
}};

unsigned char AsciiLower(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c; }

bool SameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(static_cast<unsigned char>(a[i])) != AsciiLower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

int FindKey(std::string_view key) {
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        if (SameKey(key, kKeys[i].key)) return static_cast<int>(i);
    return -1;
}

// Nearest integer to numerator / denominator (denominator > 0), halves to even.
std::int64_t DivideRoundHalfEven(std::int64_t numerator, std::int64_t denominator) {
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    if (remainder < 0) {  // floor division
        --quotient;
        remainder += denominator;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0)) ++quotient;
    return quotient;
}

void Apply(const KeyInfo& info, const std::string& value, StoredSettings& stored) {
    Settings& settings = stored.settings;
    if (info.kind == Kind::Text) {
        settings.*info.text = value;
        return;
    }
    int number = 0;
    if (!ParseDecimal(value, number)) return;
    switch (info.kind) {
        case Kind::Version:
            stored.version = number;
            break;
        case Kind::Integer:
            if (number >= info.minimum && number <= info.maximum) settings.*info.integer = number;
            break;
        case Kind::Opacity:
            if (number == kNotLayered || (number >= 0 && number <= 100)) settings.alpha = PercentToAlpha(number);
            break;
        case Kind::Flag:
            settings.*info.flag = number == 1;
            break;
        case Kind::Text:
            break;
    }
}

}  // namespace

bool ParseDecimal(const std::string& text, int& value) {
    std::size_t position = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) position = 1;
    if (position == text.size()) return false;
    std::int64_t magnitude = 0;
    for (; position < text.size(); ++position) {
        const char c = text[position];
        if (c < '0' || c > '9') return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > static_cast<std::int64_t>(INT_MAX) + 1) return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX) return false;
    value = static_cast<int>(signedValue);
    return true;
}

int PercentToAlpha(int percent) {
    if (percent == kNotLayered) return kNotLayered;
    return static_cast<int>(DivideRoundHalfEven(static_cast<std::int64_t>(percent) * 255, 100));
}

int AlphaToPercent(int alpha) {
    if (alpha == kNotLayered) return kNotLayered;
    return static_cast<int>(DivideRoundHalfEven(static_cast<std::int64_t>(alpha) * 100, 255));
}

StoredSettings ReadSettingsFrom(const std::vector<std::string>& lines) {
    StoredSettings stored;
    std::array<bool, kSettingsKeyCount> seen{};
    for (const std::string& line : lines) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const int index = FindKey(std::string_view(line).substr(0, equals));
        if (index < 0 || seen[static_cast<std::size_t>(index)]) continue;
        // An empty value still uses up the first occurrence: a later line does not override it.
        seen[static_cast<std::size_t>(index)] = true;
        if (equals + 1 == line.size()) continue;
        Apply(kKeys[static_cast<std::size_t>(index)], line.substr(equals + 1), stored);
    }
    return stored;
}

std::vector<std::string> FormatSettings(const Settings& settings) {
    std::vector<std::string> lines;
    lines.reserve(kKeys.size());
    for (const KeyInfo& info : kKeys) {
        std::string line = std::string(info.key) + "=";
        switch (info.kind) {
            case Kind::Version:
                line += std::to_string(kSettingsVersion);
                break;
            case Kind::Integer:
                line += std::to_string(settings.*info.integer);
                break;
            case Kind::Opacity:
                line += std::to_string(AlphaToPercent(settings.alpha));
                break;
            case Kind::Flag:
                line += settings.*info.flag ? "1" : "0";
                break;
            case Kind::Text:
                line += settings.*info.text;
                break;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace qx
