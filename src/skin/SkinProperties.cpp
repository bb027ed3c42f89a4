#include "skin/SkinProperties.h"

#include <array>
#include <cstddef>

namespace qx {

namespace {

enum class Kind { Flag, Integer, Colour, FontName, Position };

struct KeyInfo {
    const char* key;
    Kind kind;
    bool SkinProperties::*flag = nullptr;
    int SkinProperties::*integer = nullptr;
    std::uint32_t SkinProperties::*colour = nullptr;
    std::string SkinProperties::*fontName = nullptr;
    int SkinPositions::*position = nullptr;
};

constexpr KeyInfo Flag(const char* key, bool SkinProperties::*field) { return {key, Kind::Flag, field}; }
constexpr KeyInfo Int(const char* key, int SkinProperties::*field) {
    return {key, Kind::Integer, nullptr, field};
}
constexpr KeyInfo Colour(const char* key, std::uint32_t SkinProperties::*field) {
    return {key, Kind::Colour, nullptr, nullptr, field};
}
constexpr KeyInfo FontName(const char* key, std::string SkinProperties::*field) {
    return {key, Kind::FontName, nullptr, nullptr, nullptr, field};
}
constexpr KeyInfo Position(const char* key, int SkinPositions::*field) {
    return {key, Kind::Position, nullptr, nullptr, nullptr, nullptr, field};
}

using P = SkinProperties;
using Q = SkinPositions;

// The keys as skin authors write them, in the order malformed ones are reported (the
// position keys last, as they are read last).
constexpr std::array kKeys{
    Flag("AlphaMark", &P::alphaMark),
    Flag("ShowFields", &P::showFields),
    Flag("StretchFields", &P::stretchFields),
    Flag("StretchMark", &P::stretchMark),
    Flag("HasBackBitmap", &P::hasBackBitmap),
    Flag("AllowCustomBackground", &P::allowCustomBackground),
    Flag("HasBottomImage", &P::hasBottomImage),
    Flag("FadeFolderSelection", &P::fadeFolderSelection),
    Flag("AllroundMark", &P::allRoundMark),
    Flag("AlphaScrollbar", &P::alphaScrollbar),
    Flag("HideScrollbarBack", &P::hideScrollbarBack),
    Flag("HideResizer", &P::hideResizer),
    Flag("ResizerToForm", &P::resizerToForm),
    Flag("CustomHoverButtons", &P::customHoverButtons),
    Flag("CustomDownButtons", &P::customDownButtons),
    Int("ListboxLeft", &P::listLeft),
    Int("ListboxRight", &P::listRight),
    Int("ListboxBottom", &P::listBottom),
    Colour("UnselTextCol", &P::unselectedTextColour),
    Flag("HasUnderText", &P::hasUnderText),
    Colour("UnderTextColor", &P::underTextColour),
    Int("IconOffsX1", &P::iconOffsetSmall),
    Int("IconOffsX2", &P::iconOffsetLarge),
    Flag("HasTwoArrows", &P::hasTwoArrows),
    Flag("HideButtonText", &P::hideButtonText),
    Int("FCropRight", &P::listCropRight),
    Int("FCropBottom", &P::listCropBottom),
    Colour("SelectionColor", &P::selectionColour),
    Colour("FormEditTextCol", &P::inputTextColour),
    Colour("FormEditCol", &P::inputBackColour),
    Colour("FormCol", &P::windowColour),
    Flag("ButtonsFontBold", &P::buttonsFontBold),
    FontName("ButtonsFontName", &P::buttonsFontName),
    Colour("ButtonsFontColor", &P::buttonsFontColour),
    Int("ButtonsFontHeight", &P::buttonsFontHeight),
    FontName("FormEditFontName", &P::inputFontName),
    Flag("FormEditFontBold", &P::inputFontBold),
    Flag("CustomObjectPositions", &P::customObjectPositions),
    Position("CloseButtonLeft", &Q::closeButtonLeft),
    Position("CloseButtonTop", &Q::closeButtonTop),
    Position("MinButtonLeft", &Q::minimiseButtonLeft),
    Position("MinButtonTop", &Q::minimiseButtonTop),
    Position("FormEditLeft", &Q::inputLeft),
    Position("FormEditTop", &Q::inputTop),
    Position("FormEditRight", &Q::inputRightGap),
    Position("FormEditHeight", &Q::inputHeight),
    Position("ListboxTop", &Q::listTop),
    Position("AllEntrysLeft", &Q::allEntriesLeft),
    Position("AllENtrysTop", &Q::allEntriesTop),
    Position("OptionsLeft", &Q::optionsLeft),
    Position("OptionsTop", &Q::optionsTop),
    Position("HelpLeft", &Q::infoLeft),
    Position("HelpTop", &Q::infoTop),
};

constexpr int kSmallest = -32768;
constexpr int kLargest = 32767;
// Windows keeps a font's face name in 32 characters with the terminating zero.
constexpr std::size_t kLongestFontName = 31;

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool SameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

int FindKey(std::string_view key) {
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        if (SameKey(key, kKeys[i].key)) return static_cast<int>(i);
    return -1;
}

// Strict decimal within minimum..maximum; stops early on long digit runs.
bool ReadNumber(std::string_view text, int minimum, int maximum, int& value) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) return false;
    long long magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kLargest + 1LL) return false;
    }
    const long long number = negative ? -magnitude : magnitude;
    if (number < minimum || number > maximum) return false;
    value = static_cast<int>(number);
    return true;
}

bool ReadColour(std::string_view text, std::uint32_t& colour) {
    const std::size_t first = text.find(',');
    if (first == std::string_view::npos) return false;
    const std::size_t second = text.find(',', first + 1);
    if (second == std::string_view::npos) return false;
    int red = 0, green = 0, blue = 0;
    if (!ReadNumber(text.substr(0, first), 0, 255, red) ||
        !ReadNumber(text.substr(first + 1, second - first - 1), 0, 255, green) ||
        !ReadNumber(text.substr(second + 1), 0, 255, blue))
        return false;
    colour = static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
             static_cast<std::uint32_t>(blue) << 16;
    return true;
}

// Applies a non-empty value; false when it cannot be read.
bool Apply(const KeyInfo& info, std::string_view value, SkinProperties& properties) {
    int number = 0;
    switch (info.kind) {
        case Kind::FontName:
            if (value.size() > kLongestFontName) return false;
            properties.*info.fontName = std::string(value);
            return true;
        case Kind::Colour:
            return ReadColour(value, properties.*info.colour);
        case Kind::Flag:
            if (!ReadNumber(value, kSmallest, kLargest, number)) return false;
            properties.*info.flag = number == 1;
            return true;
        case Kind::Integer:
            return ReadNumber(value, kSmallest, kLargest, properties.*info.integer);
        case Kind::Position:
            return ReadNumber(value, kSmallest, kLargest, properties.positions.*info.position);
    }
    return false;
}

}  // namespace

SkinPropertiesRead ReadSkinProperties(std::string_view text, const SkinPositions& currentPositions) {
    // First pass: the first line of each key, as a view into the text.
    std::array<std::string_view, kKeys.size()> values{};
    std::array<bool, kKeys.size()> seen{};
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++start;

        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const int index = FindKey(line.substr(0, equals));
        if (index < 0 || seen[static_cast<std::size_t>(index)]) continue;
        seen[static_cast<std::size_t>(index)] = true;
        values[static_cast<std::size_t>(index)] = line.substr(equals + 1);
    }

    // Then the values, the position keys only once CustomObjectPositions is known.
    SkinPropertiesRead read;
    const auto applyKeys = [&](bool positionKeys) {
        for (std::size_t i = 0; i < kKeys.size(); ++i) {
            if ((kKeys[i].kind == Kind::Position) != positionKeys || values[i].empty()) continue;
            if (!Apply(kKeys[i], values[i], read.properties)) read.malformedKeys.emplace_back(kKeys[i].key);
        }
    };
    applyKeys(false);
    if (read.properties.customObjectPositions)
        applyKeys(true);
    else
        read.properties.positions = currentPositions;
    return read;
}

}  // namespace qx
