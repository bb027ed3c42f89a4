#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Settings.h"

namespace qx {
namespace {

using Lines = std::vector<std::string>;

Settings Read(const Lines& lines) { return ReadSettingsFrom(lines).settings; }

const Lines kDefaultFile = {
    "Version=13",
    "Language=0",
    "Opacity=90",
    "lbWidth=349",
    "lbHeight=246",
    "reWidth=330",
    "reHeight=360",
    "StayOnTop=1",
    "NoAutoMinInFolderSearch=0",
    "LockQuilloxUntilExecDone=1",
    "32*32-Icons=1",
    "32*32-Search=0",
    "MacOSSkin=2",
    "SmoothFonts=1",
    "CustomSkin=",
    "CustomBackgroundPath=",
    "EditEntryWinver=0",
    "OpenGoogleChar=#",
    "FolderSearchChar=<",
    "MyComputerChar=:",
    "DesktopChar=\\",
    "DeviceControlChar=_",
    "ExecWinChar=,",
    "ExecURLChar=+",
    "ExecURLwwwChar=.",
    "ExecHttpChar=-",
};

TEST(Settings, EmptyFileGivesTheDefaultsWhichWriteInKeyOrderWithVersion13) {
    const StoredSettings stored = ReadSettingsFrom({});
    EXPECT_EQ(stored.version, 0);
    EXPECT_EQ(FormatSettings(stored.settings), kDefaultFile);
    // Every key with an empty value reads as its default as well.
    Lines emptyValues;
    for (const std::string& line : kDefaultFile) emptyValues.push_back(line.substr(0, line.find('=') + 1));
    EXPECT_EQ(ReadSettingsFrom(emptyValues).settings, Settings{});
    EXPECT_EQ(ReadSettingsFrom(emptyValues).version, 0);
}

TEST(Settings, WrittenFileReadsBackAndWritesIdentically) {
    Settings s;
    s.language = 1;
    s.alpha = 191;
    s.lbWidth = 500;
    s.lbHeight = 20;
    s.reWidth = 32767;
    s.reHeight = 400;
    s.stayOnTop = false;
    s.noAutoMinInFolderSearch = true;
    s.lockQuilloxUntilExecDone = false;
    s.largeIcons = false;
    s.largeSearchIcons = true;
    s.macOSSkin = 4;
    s.smoothFonts = false;
    s.customSkin = "Gr\xFCn = Blau";
    s.customBackgroundPath = "C:\\Bilder\\back.bmp";
    s.editEntryWinver = true;
    s.openGoogleChar = "!";
    s.execHttpChar = "\xA7";
    const Lines file = FormatSettings(s);
    EXPECT_EQ(file[2], "Opacity=75");
    EXPECT_EQ(file[14], "CustomSkin=Gr\xFCn = Blau");
    const StoredSettings back = ReadSettingsFrom(file);
    EXPECT_EQ(back.version, 13);
    EXPECT_EQ(back.settings, s);
    EXPECT_EQ(FormatSettings(back.settings), file);
}

TEST(Settings, KeysMatchCaseInsensitivelyTheFirstOccurrenceCountsAndValuesStayUntrimmed) {
    const Settings s = Read({
        "LANGUAGE=1",
        "language=0",
        "stayontop=0",
        "StayOnTop=1",
        "MacOSSkin=",   // empty still takes the first occurrence: default
        "MacOSSkin=3",
        "lbWidth=abc",  // not a number still takes the first occurrence
        "lbWidth=400",
        "no equals sign here",
        "Opacity",
        "",
        "=50",
        "Opacity =50",  // the key is everything before "=", blanks included
        " lbHeight=100",
        "Unknown=7",
        // The value is everything after the first "=", untrimmed.
        "CustomBackgroundPath=C:\\a=b\\ back.bmp ",
        "CustomSkin= Blau",
        "reWidth= 400",
        "ExecWinChar==",
    });
    EXPECT_EQ(s.language, 1);
    EXPECT_FALSE(s.stayOnTop);
    EXPECT_EQ(s.macOSSkin, 2);
    EXPECT_EQ(s.lbWidth, 349);
    EXPECT_EQ(s.alpha, 230);
    EXPECT_EQ(s.lbHeight, 246);
    EXPECT_EQ(s.customBackgroundPath, "C:\\a=b\\ back.bmp ");
    EXPECT_EQ(s.customSkin, " Blau");
    EXPECT_EQ(s.reWidth, 330);
    EXPECT_EQ(s.execWinChar, "=");
}

TEST(Settings, FlagsAreSetExactlyByTheInteger1) {
    struct Case {
        const char* value;
        bool expected;
    };
    for (const Case& c : {Case{"1", true}, Case{"01", true}, Case{"0", false}, Case{"2", false}, Case{"-1", false},
                          Case{"11", false}}) {
        EXPECT_EQ(Read({std::string("StayOnTop=") + c.value}).stayOnTop, c.expected) << c.value;
    }
    EXPECT_TRUE(Read({"NoAutoMinInFolderSearch=1"}).noAutoMinInFolderSearch);
    // Not a number: the default stays, set for StayOnTop and clear for NoAutoMinInFolderSearch.
    EXPECT_FALSE(Read({"NoAutoMinInFolderSearch=yes"}).noAutoMinInFolderSearch);
    for (const char* value : {"yes", "true", " 1", "1 ", "+1", "1.0", "0x1"}) {
        EXPECT_TRUE(Read({std::string("StayOnTop=") + value}).stayOnTop) << value;
    }
}

TEST(Settings, IntegerThatIsNotDecimalGivesTheDefault) {
    for (const char* value : {"abc", "+400", "0x190", "$190", "4e2", "400px", "-", "--400", "\t400",
                              "123456789012345678901234567890", "2147483648", "-2147483649"}) {
        EXPECT_EQ(Read({std::string("reWidth=") + value}).reWidth, 330) << value;
        EXPECT_EQ(ReadSettingsFrom({std::string("Version=") + value}).version, 0) << value;
    }
    EXPECT_EQ(ReadSettingsFrom({"Version=2147483647"}).version, 2147483647);
    EXPECT_EQ(ReadSettingsFrom({"Version=-2147483648"}).version, -2147483647 - 1);
    EXPECT_EQ(ReadSettingsFrom({"Version=0013"}).version, 13);
    EXPECT_EQ(ReadSettingsFrom({"Version=-0"}).version, 0);
    EXPECT_EQ(ReadSettingsFrom({"Version=7"}).version, 7);
}

TEST(Settings, NumbersOutsideTheirRangeGiveTheDefault) {
    struct Case {
        const char* value;
        int expected;
    };
    for (const Case& c : {Case{"0", 349}, Case{"-5", 349}, Case{"19", 349}, Case{"20", 20}, Case{"32767", 32767},
                          Case{"32768", 349}, Case{"2147483647", 349}}) {
        EXPECT_EQ(Read({std::string("lbWidth=") + c.value}).lbWidth, c.expected) << c.value;
    }
    EXPECT_EQ(Read({"lbHeight=-1"}).lbHeight, 246);
    EXPECT_EQ(Read({"reHeight=0"}).reHeight, 360);
    EXPECT_EQ(Read({"Language=1"}).language, 1);
    EXPECT_EQ(Read({"Language=2"}).language, 0);
    EXPECT_EQ(Read({"Language=-1"}).language, 0);
    EXPECT_EQ(Read({"MacOSSkin=0"}).macOSSkin, 0);
    EXPECT_EQ(Read({"MacOSSkin=17"}).macOSSkin, 17);
    EXPECT_EQ(Read({"MacOSSkin=-1"}).macOSSkin, 2);
}

TEST(Settings, OpacityIsHeldAsAlpha) {
    EXPECT_EQ(Read({"Opacity=100"}).alpha, 255);
    EXPECT_EQ(Read({"Opacity=90"}).alpha, 230);
    EXPECT_EQ(Read({"Opacity=70"}).alpha, 178);
    EXPECT_EQ(Read({"Opacity=50"}).alpha, 128);
    EXPECT_EQ(Read({"Opacity=0"}).alpha, 0);
    // -1 is opacity switched off; it survives a save.
    EXPECT_EQ(Read({"Opacity=-1"}).alpha, kNotLayered);
    Settings off;
    off.alpha = kNotLayered;
    EXPECT_EQ(FormatSettings(off)[2], "Opacity=-1");
    // Outside -1..100: the default.
    for (const char* value : {"101", "255", "-2", "-100"}) EXPECT_EQ(Read({std::string("Opacity=") + value}).alpha, 230);
}

TEST(Settings, OpacityConversionsRoundHalvesToEven) {
    // percent * 255 / 100 is an exact half for 10, 30, 50, 70 and 90.
    EXPECT_EQ(PercentToAlpha(10), 26);
    EXPECT_EQ(PercentToAlpha(30), 76);
    EXPECT_EQ(PercentToAlpha(50), 128);
    EXPECT_EQ(PercentToAlpha(70), 178);
    EXPECT_EQ(PercentToAlpha(90), 230);
    EXPECT_EQ(PercentToAlpha(85), 217);
    EXPECT_EQ(PercentToAlpha(100), 255);
    EXPECT_EQ(PercentToAlpha(0), 0);
    EXPECT_EQ(PercentToAlpha(kNotLayered), kNotLayered);
    EXPECT_EQ(AlphaToPercent(230), 90);
    EXPECT_EQ(AlphaToPercent(229), 90);
    EXPECT_EQ(AlphaToPercent(255), 100);
    EXPECT_EQ(AlphaToPercent(128), 50);
    EXPECT_EQ(AlphaToPercent(1), 0);
    EXPECT_EQ(AlphaToPercent(2), 1);
    EXPECT_EQ(AlphaToPercent(kNotLayered), kNotLayered);
    Settings s;
    s.alpha = 229;
    EXPECT_EQ(FormatSettings(s)[2], "Opacity=90");
    for (int percent = 0; percent <= 100; ++percent) EXPECT_EQ(AlphaToPercent(PercentToAlpha(percent)), percent);
}

TEST(Settings, PrefixCharactersKeepWhatIsWrittenButEmptyIsTheFactoryCharacter) {
    const Settings s = Read({"FolderSearchChar=", "OpenGoogleChar=!", "DesktopChar=ab", "ExecURLChar= "});
    EXPECT_EQ(s.folderSearchChar, "<");
    EXPECT_EQ(s.openGoogleChar, "!");
    EXPECT_EQ(s.desktopChar, "ab");
    EXPECT_EQ(s.execURLChar, " ");
    const Lines file = FormatSettings(s);
    EXPECT_EQ(file[18], "FolderSearchChar=<");
    EXPECT_EQ(file[20], "DesktopChar=ab");
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
    EXPECT_EQ(s.lbWidth, 349);
    EXPECT_TRUE(s.stayOnTop);
    EXPECT_EQ(FormatSettings(s)[14], "CustomSkin=" + megabyte);
}

}  // namespace
}  // namespace qx
