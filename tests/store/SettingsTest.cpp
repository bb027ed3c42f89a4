#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/Settings.h"

namespace qx {
namespace {

using Lines = std::vector<std::string>;

Settings Read(const Lines& lines) { return ReadSettingsFrom(lines).settings; }

const Lines kDefaultFile = {
    "Version=13", "Language=0", "Opacity=90", "lbWidth=349", "lbHeight=246", "reWidth=330", "reHeight=360",
    "StayOnTop=1", "NoAutoMinInFolderSearch=0", "LockQuilloxUntilExecDone=1", "32*32-Icons=1", "32*32-Search=0",
    "MacOSSkin=2", "SmoothFonts=1", "CustomSkin=", "CustomBackgroundPath=", "EditEntryWinver=0",
    "OpenGoogleChar=#", "FolderSearchChar=<", "MyComputerChar=:", "DesktopChar=\\", "DeviceControlChar=_",
    "ExecWinChar=,", "ExecURLChar=+", "ExecURLwwwChar=.", "ExecHttpChar=-",
};

// Every key set to something other than its default.
const Lines kCustomFile = {
    "Version=13", "Language=1", "Opacity=75", "lbWidth=500", "lbHeight=20", "reWidth=32767", "reHeight=361",
    "StayOnTop=0", "NoAutoMinInFolderSearch=1", "LockQuilloxUntilExecDone=0", "32*32-Icons=0", "32*32-Search=1",
    "MacOSSkin=4", "SmoothFonts=0", "CustomSkin=Gr\xFCn = Blau", "CustomBackgroundPath=C:\\b.bmp",
    "EditEntryWinver=1", "OpenGoogleChar=!", "FolderSearchChar=~", "MyComputerChar=;", "DesktopChar=/",
    "DeviceControlChar=^", "ExecWinChar=\xA7", "ExecURLChar=*", "ExecURLwwwChar=@", "ExecHttpChar=$",
};

TEST(Settings, DefaultsAndOtherValuesWriteInKeyOrderAndReadBackIdentically) {
    const StoredSettings stored = ReadSettingsFrom({});
    EXPECT_EQ(stored.version, 0);
    EXPECT_EQ(FormatSettings(stored.settings), kDefaultFile);
    Lines emptyValues;
    for (const std::string& line : kDefaultFile) emptyValues.push_back(line.substr(0, line.find('=') + 1));
    EXPECT_EQ(ReadSettingsFrom(emptyValues).settings, Settings{});
    EXPECT_EQ(ReadSettingsFrom(emptyValues).version, 0);
    const StoredSettings custom = ReadSettingsFrom(kCustomFile);
    EXPECT_EQ(custom.version, 13);
    EXPECT_EQ(custom.settings.customSkin, "Gr\xFCn = Blau");
    EXPECT_EQ(FormatSettings(custom.settings), kCustomFile);
}

TEST(Settings, KeysMatchCaseInsensitivelyTheFirstOccurrenceCountsAndValuesStayUntrimmed) {
    const Settings s = Read({
        "LANGUAGE=1", "language=0", "stayontop=0", "StayOnTop=1",
        "MacOSSkin=", "MacOSSkin=3",     // an empty first occurrence still wins: default
        "lbWidth=abc", "lbWidth=400",    // so does one that is not a number
        "no equals sign here", "Opacity", "", "=50",
        "Opacity =50", " lbHeight=100",  // the key is everything before "=", blanks included
        "CustomBackgroundPath=C:\\a=b\\ back.bmp ", "CustomSkin= Blau", "reWidth= 400", "ExecWinChar==",
    });
    EXPECT_EQ(s.language, 1);
    EXPECT_FALSE(s.stayOnTop);
    EXPECT_EQ(s.macOSSkin, 2);
    EXPECT_EQ(s.listWidth, 349);
    EXPECT_EQ(s.alpha, 230);
    EXPECT_EQ(s.listHeight, 246);
    EXPECT_EQ(s.customBackgroundPath, "C:\\a=b\\ back.bmp ");
    EXPECT_EQ(s.customSkin, " Blau");
    EXPECT_EQ(s.folderListWidth, 330);
    EXPECT_EQ(s.execWinChar, "=");
}

TEST(Settings, FlagsAreSetExactlyByTheInteger1AndKeepTheirDefaultOnNonNumbers) {
    for (const char* on : {"1", "01", "yes", " 1", "+1", "1.0"}) EXPECT_TRUE(Read({std::string("StayOnTop=") + on}).stayOnTop) << on;
    for (const char* off : {"0", "2", "-1", "11"}) EXPECT_FALSE(Read({std::string("StayOnTop=") + off}).stayOnTop) << off;
    EXPECT_TRUE(Read({"NoAutoMinInFolderSearch=1"}).noAutoMinInFolderSearch);
    EXPECT_FALSE(Read({"NoAutoMinInFolderSearch=yes"}).noAutoMinInFolderSearch);
}

TEST(Settings, IntegersThatAreNotDecimalOrOutOfRangeGiveTheDefault) {
    for (const char* value : {"abc", "+400", "0x190", "4e2", "400px", "--400", "\t400", "2147483648", "-2147483649"}) {
        EXPECT_EQ(Read({std::string("reWidth=") + value}).folderListWidth, 330) << value;
        EXPECT_EQ(ReadSettingsFrom({std::string("Version=") + value}).version, 0) << value;
    }
    EXPECT_EQ(ReadSettingsFrom({"Version=2147483647"}).version, 2147483647);
    EXPECT_EQ(ReadSettingsFrom({"Version=-2147483648"}).version, -2147483647 - 1);
    EXPECT_EQ(ReadSettingsFrom({"Version=0013"}).version, 13);
    struct Case {
        const char* line;
        int Settings::*field;
        int expected;
    };
    for (const Case& c : {Case{"lbWidth=19", &Settings::listWidth, 349}, Case{"lbWidth=20", &Settings::listWidth, 20},
                          Case{"lbWidth=32767", &Settings::listWidth, 32767}, Case{"lbWidth=32768", &Settings::listWidth, 349},
                          Case{"lbHeight=-1", &Settings::listHeight, 246}, Case{"reHeight=0", &Settings::folderListHeight, 360},
                          Case{"Language=1", &Settings::language, 1}, Case{"Language=2", &Settings::language, 0},
                          Case{"Language=-1", &Settings::language, 0}, Case{"MacOSSkin=0", &Settings::macOSSkin, 0},
                          Case{"MacOSSkin=17", &Settings::macOSSkin, 17}, Case{"MacOSSkin=-1", &Settings::macOSSkin, 2}}) {
        EXPECT_EQ(Read({c.line}).*c.field, c.expected) << c.line;
    }
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
    for (const char* value : {"101", "255", "-2"}) EXPECT_EQ(Read({std::string("Opacity=") + value}).alpha, 230) << value;
    Settings s;
    s.alpha = 229;
    EXPECT_EQ(FormatSettings(s)[2], "Opacity=90");
    s.alpha = kNotLayered;  // opacity switched off survives a save
    EXPECT_EQ(FormatSettings(s)[2], "Opacity=-1");
    for (int percent = 0; percent <= 100; ++percent) EXPECT_EQ(AlphaToPercent(PercentToAlpha(percent)), percent);
}

TEST(Settings, PrefixCharactersKeepWhatIsWrittenButEmptyIsTheFactoryCharacter) {
    const Settings s = Read({"FolderSearchChar=", "OpenGoogleChar=!", "DesktopChar=ab", "ExecURLChar= "});
    EXPECT_EQ(s.folderSearchChar, "<");
    EXPECT_EQ(s.openGoogleChar, "!");
    EXPECT_EQ(s.desktopChar, "ab");
    EXPECT_EQ(s.execURLChar, " ");
    EXPECT_EQ(FormatSettings(s)[18], "FolderSearchChar=<");
    // A field the user emptied is written empty, and reads back as the factory character.
    Settings emptied;
    emptied.execWinChar.clear();
    EXPECT_EQ(FormatSettings(emptied)[22], "ExecWinChar=");
    EXPECT_EQ(Read(FormatSettings(emptied)).execWinChar, ",");
}

TEST(Settings, HugeValuesAreKeptAsTextAndRejectedAsNumbers) {
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
