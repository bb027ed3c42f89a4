#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/Settings.h"

namespace qx {
namespace {

using Lines = std::vector<std::string>;

Settings Read(const Lines& lines) { return ReadSettingsFrom(lines).settings; }

// Every key set to something other than its default.
const Lines kCustomFile = {
    "Version=13", "Language=1", "Opacity=75", "lbWidth=500", "lbHeight=20", "reWidth=32767", "reHeight=361",
    "StayOnTop=0", "NoAutoMinInFolderSearch=1", "LockQuilloxUntilExecDone=0", "32*32-Icons=0", "32*32-Search=1",
    "MacOSSkin=4", "SmoothFonts=0", "CustomSkin=Gr\xFCn = Blau", "CustomBackgroundPath=C:\\b.bmp",
    "EditEntryWinver=1", "OpenGoogleChar=!", "FolderSearchChar=~", "MyComputerChar=;", "DesktopChar=/",
    "DeviceControlChar=^", "ExecWinChar=\xA7", "ExecURLChar=*", "ExecURLwwwChar=@", "ExecHttpChar=$",
};

// The defaults of single keys are in the table of EachValueIsReadByTheRulesOfItsKey.
TEST(Settings, DefaultsAndOtherValuesWriteInKeyOrderAndReadBackIdentically) {
    const StoredSettings stored = ReadSettingsFrom({});
    EXPECT_EQ(stored.version, 0);
    EXPECT_EQ(stored.settings, Settings{});
    EXPECT_EQ(Read(FormatSettings(Settings{})), Settings{});
    Lines emptyValues;
    for (const std::string& line : kCustomFile) emptyValues.push_back(line.substr(0, line.find('=') + 1));
    EXPECT_EQ(ReadSettingsFrom(emptyValues).settings, Settings{});
    EXPECT_EQ(ReadSettingsFrom(emptyValues).version, 0);
    const StoredSettings custom = ReadSettingsFrom(kCustomFile);
    EXPECT_EQ(custom.version, 13);
    EXPECT_EQ(custom.settings.customSkin, "Gr\xFCn = Blau");
    EXPECT_EQ(FormatSettings(custom.settings), kCustomFile);
}

// The line written for the key of `expected` after reading nothing but `line`.
std::string WrittenAfterReading(const std::string& line, const std::string& expected) {
    const std::string key = expected.substr(0, expected.find('=') + 1);
    for (const std::string& written : FormatSettings(Read({line})))
        if (written.starts_with(key)) return written;
    return "no " + key;
}

TEST(Settings, EachValueIsReadByTheRulesOfItsKey) {
    const std::pair<std::string, std::string> cases[] = {
        // Flags: exactly the integer 1 sets one; a non-number keeps the default.
        {"StayOnTop=01", "StayOnTop=1"}, {"StayOnTop=+1", "StayOnTop=1"}, {"StayOnTop=yes", "StayOnTop=1"},
        {"StayOnTop= 1", "StayOnTop=1"}, {"StayOnTop=1.0", "StayOnTop=1"}, {"StayOnTop=0", "StayOnTop=0"},
        {"StayOnTop=2", "StayOnTop=0"}, {"StayOnTop=-1", "StayOnTop=0"}, {"StayOnTop=11", "StayOnTop=0"},
        {"NoAutoMinInFolderSearch=1", "NoAutoMinInFolderSearch=1"},
        {"NoAutoMinInFolderSearch=yes", "NoAutoMinInFolderSearch=0"},
        // Integers: decimal and in range, else the default.
        {"reWidth=abc", "reWidth=330"}, {"reWidth=+400", "reWidth=330"}, {"reWidth=0x190", "reWidth=330"},
        {"reWidth=4e2", "reWidth=330"}, {"reWidth=400px", "reWidth=330"}, {"reWidth=--400", "reWidth=330"},
        {"reWidth=\t400", "reWidth=330"}, {"reWidth= 400", "reWidth=330"}, {"reWidth=2147483648", "reWidth=330"},
        {"lbWidth=19", "lbWidth=349"}, {"lbWidth=20", "lbWidth=20"}, {"lbWidth=32767", "lbWidth=32767"},
        {"lbWidth=32768", "lbWidth=349"}, {"lbHeight=-1", "lbHeight=246"}, {"reHeight=0", "reHeight=360"},
        {"Language=1", "Language=1"}, {"Language=2", "Language=0"}, {"Language=-1", "Language=0"},
        {"MacOSSkin=0", "MacOSSkin=0"}, {"MacOSSkin=17", "MacOSSkin=17"}, {"MacOSSkin=-1", "MacOSSkin=2"},
        // Opacity: -1 (off) to 100.
        {"Opacity=85", "Opacity=85"}, {"Opacity=-1", "Opacity=-1"}, {"Opacity=101", "Opacity=90"},
        {"Opacity=255", "Opacity=90"}, {"Opacity=-2", "Opacity=90"},
        // Texts stay as written, blanks and "=" included; an empty prefix character is the factory one.
        {"CustomSkin= Blau", "CustomSkin= Blau"}, {"CustomBackgroundPath=C:\\a=b\\ back.bmp ", "CustomBackgroundPath=C:\\a=b\\ back.bmp "},
        {"ExecWinChar==", "ExecWinChar=="}, {"FolderSearchChar=", "FolderSearchChar=<"}, {"DesktopChar=ab", "DesktopChar=ab"},
        {"ExecURLChar= ", "ExecURLChar= "},
        // The key is everything before the first "=", in any letter case.
        {"LANGUAGE=1", "Language=1"}, {"Opacity =50", "Opacity=90"}, {" lbHeight=100", "lbHeight=246"},
        {"no equals sign here", "Opacity=90"}, {"=50", "Opacity=90"}, {"Ppacity=50", "Opacity=90"},
    };
    for (const auto& [line, written] : cases) EXPECT_EQ(WrittenAfterReading(line, written), written) << line;
    for (const char* value : {"abc", "+13", "2147483648", "-2147483649"})
        EXPECT_EQ(ReadSettingsFrom({std::string("Version=") + value}).version, 0) << value;
    EXPECT_EQ(ReadSettingsFrom({"Version=2147483647"}).version, 2147483647);
    EXPECT_EQ(ReadSettingsFrom({"Version=-2147483648"}).version, -2147483647 - 1);
    EXPECT_EQ(ReadSettingsFrom({"Version=0013"}).version, 13);
}

TEST(Settings, TheFirstOccurrenceOfAKeyCountsEvenWhenItsValueIsNotUsable) {
    const Settings s = Read({"LANGUAGE=1", "language=0", "stayontop=0", "StayOnTop=1", "MacOSSkin=", "MacOSSkin=3",
                             "lbWidth=abc", "lbWidth=400"});
    EXPECT_EQ(s.language, 1);
    EXPECT_FALSE(s.stayOnTop);
    EXPECT_EQ(s.macOSSkin, 2);
    EXPECT_EQ(s.listWidth, 349);
}

TEST(Settings, OpacityIsHeldAsAlphaWithHalvesRoundedToEven) {
    struct Case {
        int percent, alpha;
    };
    for (const Case& c : {Case{100, 255}, Case{90, 230}, Case{70, 178}, Case{50, 128}, Case{30, 76}, Case{10, 26},
                          Case{85, 217}, Case{0, 0}, Case{-1, kNotLayered}}) {
        EXPECT_EQ(Read({"Opacity=" + std::to_string(c.percent)}).alpha, c.alpha) << c.percent;
        EXPECT_EQ(PercentToAlpha(c.percent), c.alpha) << c.percent;
    }
    for (const Case& c : {Case{90, 230}, Case{90, 229}, Case{100, 255}, Case{50, 128}, Case{0, 1}, Case{1, 2},
                          Case{kNotLayered, kNotLayered}}) {
        EXPECT_EQ(AlphaToPercent(c.alpha), c.percent) << c.alpha;
    }
    for (int percent = 0; percent <= 100; ++percent) EXPECT_EQ(AlphaToPercent(PercentToAlpha(percent)), percent);
}

TEST(Settings, AnEmptiedPrefixCharacterIsWrittenEmptyAndHugeValuesAreKeptAsTextOnly) {
    Settings emptied;
    emptied.execWinChar.clear();
    EXPECT_EQ(FormatSettings(emptied)[22], "ExecWinChar=");
    EXPECT_EQ(Read(FormatSettings(emptied)).execWinChar, ",");
    const std::string megabyte(1 << 20, 'x');
    const std::string digits(1 << 20, '7');
    const Settings s = Read({"CustomSkin=" + megabyte, "Opacity=" + digits, "lbWidth=" + digits, "StayOnTop=" + digits});
    EXPECT_EQ(s.customSkin, megabyte);
    EXPECT_EQ(s.alpha, 230);
    EXPECT_EQ(s.listWidth, 349);
    EXPECT_TRUE(s.stayOnTop);
}

}  // namespace
}  // namespace qx
