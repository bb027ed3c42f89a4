#pragma once
#include <string>
#include <vector>


namespace qx {

// The user settings as stored in "config.cfg": lines of key, "=", value.
//
// Reading rules: keys match case-insensitively (ASCII), the first occurrence of a key counts,
// lines without "=" are ignored, the value is everything after the first "=" untrimmed, and a
// missing key or empty value leaves the default. Integers are strict decimal ("-"? digits,
// within 32 bits); anything else (blanks, "+", hex, 30 digits) leaves the key's default, as
// do values outside the ranges below. Flags are integers: set exactly when the value is the
// integer 1 ("2" and "0" clear it, "01" sets it, "yes" keeps the default).
struct Settings {
    // Language: 0 German, 1 English; any other number reads as German.
    int language = 0;
    // Window opacity as the window's alpha 0..255, kept as alpha so the file round-trips;
    // kNotLayered when opacity is switched off ("Deaktiviert"), stored as Opacity=-1.
    // Stored percentages outside -1..100 read as the default.
    int alpha = 230;
    // List sizes in pixels, normal view and folder browsing. A stored size outside
    // kMinListExtent..kMaxListExtent reads as the default: zero or negative sizes and sizes
    // beyond what a window can have come only from a damaged or hand-edited file.
    int listWidth = 349;
    int listHeight = 246;
    int folderListWidth = 330;
    int folderListHeight = 360;
    bool stayOnTop = true;
    bool noAutoMinInFolderSearch = false;
    bool lockQuilloxUntilExecDone = true;
    bool largeIcons = true;        // "32*32-Icons"
    bool largeSearchIcons = false;  // "32*32-Search"
    // 0 "Windows", 1..3 the built-in looks, above 3 the skin named by customSkin; negative
    // values read as the default.
    int macOSSkin = 2;
    bool smoothFonts = true;
    // Texts are kept exactly as written, whatever their length.
    std::string customSkin;
    std::string customBackgroundPath;
    bool editEntryWinver = false;
    // The nine prefix characters. An empty stored value reads as the factory character. A
    // longer value is kept as written so that the file round-trips, but the prefix table
    // compares one typed character with the whole field, so such a prefix never triggers
    // until the user sets a single character in the options dialog.
    std::string openGoogleChar = "#";
    std::string folderSearchChar = "<";
    std::string myComputerChar = ":";
    std::string desktopChar = "\\";
    std::string deviceControlChar = "_";
    std::string execWinChar = ",";
    std::string execURLChar = "+";
    std::string execURLwwwChar = ".";
    std::string execHttpChar = "-";

    bool operator==(const Settings&) const = default;
};

inline constexpr int kSettingsVersion = 13;  // always written
inline constexpr int kSettingsKeyCount = 26;
inline constexpr int kNotLayered = -1;  // alpha and percent of switched-off opacity
inline constexpr int kMinListExtent = 20;
inline constexpr int kMaxListExtent = 32767;

struct StoredSettings {
    Settings settings;
    // 0 when the file or its Version key is missing (or not a number): a first run of this
    // format, which converts the icon cache names and then saves.
    int version = 0;
};

StoredSettings ReadSettingsFrom(const std::vector<std::string>& lines);
// The 26 lines in their fixed order; Version is always 13.
std::vector<std::string> FormatSettings(const Settings& settings);

// Nearest integer to percent * 255 / 100 and to alpha * 100 / 255; exact halves go to the
// even neighbour (50 % gives 128). kNotLayered maps to itself both ways.
int PercentToAlpha(int percent);
int AlphaToPercent(int alpha);

// Strict decimal: an optional "-" and at least one digit, within 32 bits.
bool ParseDecimal(const std::string& text, int& value);

}  // namespace qx
