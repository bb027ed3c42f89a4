#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/DataCheck.h"
#include "fakes/FakeFileSystem.h"
#include "store/ListFile.h"
#include "store/Settings.h"

namespace qx {
namespace {

using Reports = std::vector<std::string>;

Reports Format(const std::vector<DataProblem>& problems) {
    Reports lines;
    for (const DataProblem& problem : problems) lines.push_back(FormatProblem(problem));
    return lines;
}

TEST(DataCheckTest, EntryFileReportsEachMalformedLineWithItsNumber) {
    const std::string file = "Notepad|C:\\n.exe|||||0||||||601\r\n"  // well formed
                             "|no name\r\n"
                             "\r\n"
                             "Icon||||||1a||||||\r\n"
                             "Version||||||||||||Seven\r\n"
                             "Big||||||+2147483647||||||-2147483648\r\n"
                             "Huge||||||-2147483649||||||\r\n"
                             "Wide|||||||||||||extra\r\n"
                             "%_ESC_%Odd%x|y%\r\n"
                             "%_ESC_%Fine%|pipe|50%%\r\n"
                             "Raw%x|ok\r\n";
    EXPECT_EQ(Format(CheckEntryFile(file)),
              (Reports{
                  "Files.txt:2: empty Name (the line is skipped)",
                  "Files.txt:3: blank line (no entry)",
                  "Files.txt:4: IconIndex is not a decimal number: \"1a\"",
                  "Files.txt:5: WinVersion is not a decimal number: \"Seven\"",
                  "Files.txt:7: IconIndex is not a decimal number: \"-2147483649\"",
                  "Files.txt:8: 14 columns (those past the 13th are ignored)",
                  "Files.txt:9: \"%\" not followed by \"%\" or \"|\" in an escaped line",
              }));
    EXPECT_TRUE(CheckEntryFile("").empty());
    EXPECT_TRUE(CheckEntryFile("A|||||||||||-2147483648").empty());  // no final line end is fine
}

TEST(DataCheckTest, ReportsBytesTheProgramNeverWrites) {
    const std::string file = std::string("\xEF\xBB\xBFOne\nTwo\rThr\0ee\r\n", 19) + std::string(kLongLineBytes + 1, 'x') + "\r\n";
    EXPECT_EQ(Format(CheckEntryFile(file)),
              (Reports{
                  "Files.txt:1: UTF-8 byte order mark (the file is read as Windows-1252 text)",
                  "Files.txt:1: line ends with a bare LF (not CR LF)",
                  "Files.txt:2: line ends with a bare CR (not CR LF)",
                  "Files.txt:3: NUL byte at column 4",
                  "Files.txt:4: line of 32769 bytes (longer than 32768)",
              }));
    // A line of exactly the limit, and an LF CR pair (two line ends: an empty line between).
    EXPECT_EQ(Format(CheckEntryFile(std::string(kLongLineBytes, 'x').append("\r\n"))), Reports{});
    EXPECT_EQ(Format(CheckEntryFile("A\n\rB\r\n")),
              (Reports{"Files.txt:1: line ends with a bare LF (not CR LF)",
                       "Files.txt:2: line ends with a bare CR (not CR LF)", "Files.txt:2: blank line (no entry)"}));
}

TEST(DataCheckTest, SettingsFileChecksKeysValuesAndRanges) {
    // What the program writes passes, defaults and all.
    EXPECT_TRUE(CheckSettingsFile(JoinLines(FormatSettings(Settings{}))).empty());
    const std::string file =
        "Version=13\r\n"
        "language=1\r\n"
        "Opacity=101\r\n"
        "lbWidth=19\r\n"
        "reHeight=32767\r\n"
        "StayOnTop=2\r\n"
        "SmoothFonts=yes\r\n"
        "MacOSSkin=-1\r\n"
        "Colour=blue\r\n"
        "just text\r\n"
        "LANGUAGE=0\r\n"
        "ExecWinChar=,,\r\n"
        "FolderSearchChar=\r\n"
        "lbHeight= 246\r\n"
        "CustomSkin=any = text\r\n"
        "Opacity=-1\r\n"
        "reWidth=99999999999\r\n";
    EXPECT_EQ(Format(CheckSettingsFile(file)),
              (Reports{
                  "config.cfg:3: Opacity 101 is out of range (-1..100)",
                  "config.cfg:4: lbWidth 19 is out of range (20..32767)",
                  "config.cfg:6: StayOnTop is not a flag (0 or 1): \"2\"",
                  "config.cfg:7: SmoothFonts is not a flag (0 or 1): \"yes\"",
                  "config.cfg:8: MacOSSkin -1 is out of range (0..2147483647)",
                  "config.cfg:9: unknown key \"Colour\"",
                  "config.cfg:10: no \"=\" (the line is ignored)",
                  "config.cfg:11: duplicate key \"LANGUAGE\" (line 2 counts)",
                  "config.cfg:12: ExecWinChar holds more than one character: \",,\"",
                  "config.cfg:14: lbHeight is not a decimal number: \" 246\"",
                  "config.cfg:16: duplicate key \"Opacity\" (line 3 counts)",
                  "config.cfg:17: reWidth is not a decimal number: \"99999999999\"",
              }));
}

TEST(DataCheckTest, HistoryChecksPrefixBlankLinesDuplicatesAndLength) {
    EXPECT_EQ(Format(CheckHistoryFile("exe: calc\r\n\r\nurl: x\r\nEXE: CALC\r\nexe: Calc\r\n", "OldOrders.txt", "exe: ")),
              (Reports{
                  "OldOrders.txt:2: blank line",
                  "OldOrders.txt:3: does not begin with \"exe: \"",
                  "OldOrders.txt:4: does not begin with \"exe: \"",
                  "OldOrders.txt:4: duplicate of line 1 (letter case ignored)",
                  "OldOrders.txt:5: duplicate of line 1 (letter case ignored)",
              }));
    std::string hundred;
    for (int i = 0; i < 100; ++i) hundred += "url: site" + std::to_string(i) + "\r\n";
    EXPECT_TRUE(CheckHistoryFile(hundred, "OldURLs.txt", "url: ").empty());
    EXPECT_EQ(Format(CheckHistoryFile(hundred + "url: one more\r\nurl: and another\r\n", "OldURLs.txt", "url: ")),
              (Reports{"OldURLs.txt:101: more than 100 lines (102; the program keeps 100)"}));
}

TEST(DataCheckTest, FolderCheckSkipsMissingFilesAndReportsUnreadableOnes) {
    test::FakeFileSystem fs;
    EXPECT_TRUE(CheckDataFolder(fs, "C:\\D\\").empty());
    fs.Put("C:\\D\\Files.txt", "|x\r\n");
    fs.Put("C:\\D\\config.cfg", "Language=2\r\n");
    fs.Put("C:\\D\\OldOrders.txt", "calc\r\n");
    fs.Put("C:\\D\\OldURLs.txt", "url: a\r\n");
    fs.FailReads("C:\\D\\OldURLs.txt");
    EXPECT_EQ(Format(CheckDataFolder(fs, "C:\\D\\")),
              (Reports{
                  "Files.txt:1: empty Name (the line is skipped)",
                  "config.cfg:1: Language 2 is out of range (0..1)",
                  "OldOrders.txt:1: does not begin with \"exe: \"",
                  "OldURLs.txt: cannot be read: Access is denied.",
              }));
}

}  // namespace
}  // namespace qx
