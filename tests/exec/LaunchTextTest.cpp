#include "exec/LaunchText.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

TEST(LaunchTextTest, CommandProgramCutsAtFirstBlankEvenInsideQuotes) {
    EXPECT_EQ(CommandProgram("\"C:\\Program Files\\x.exe\" -a", nullptr), "\"C:\\Program");
    EXPECT_EQ(CommandArguments("\"C:\\Program Files\\x.exe\" -a"), "Files\\x.exe\" -a");
    EXPECT_EQ(CommandProgram("regedit", nullptr), "regedit");
    EXPECT_EQ(CommandArguments("regedit"), "");
    EXPECT_EQ(CommandProgram("", nullptr), "");
    EXPECT_EQ(CommandArguments(""), "");
    // A leading blank leaves an empty program; the arguments keep their own blanks.
    EXPECT_EQ(CommandProgram(" calc", nullptr), "");
    EXPECT_EQ(CommandArguments("cmd  /c  dir"), " /c  dir");
    EXPECT_EQ(CommandArguments("cmd "), "");
}

TEST(LaunchTextTest, CommandProgramExpandsOnlyTheProgram) {
    EXPECT_EQ(CommandProgram("%x% %y%", [](std::string_view p) { return Upper(p); }), "%X%");
}

TEST(LaunchTextTest, StripKindPrefixTakesTextAfterMarker) {
    EXPECT_EQ(StripKindPrefix("url: www.x.de/a b", false), "www.x.de/a b");
    EXPECT_EQ(StripKindPrefix("exe: cmd /k", true), "cmd /k");
    EXPECT_EQ(StripKindPrefix("exe: ", false), "");
    EXPECT_EQ(StripKindPrefix("notepad", true), "notepad");
    EXPECT_EQ(StripKindPrefix("notepad", false), "");
    // Markers are case-sensitive and need their blank.
    EXPECT_EQ(StripKindPrefix("URL: x", false), "");
    EXPECT_EQ(StripKindPrefix("url:x", false), "");
    EXPECT_EQ(StripKindPrefix("", true), "");
}

TEST(LaunchTextTest, EncodeUrlSpacesReplacesOnlyBlanks) {
    EXPECT_EQ(EncodeUrlSpaces(" a  b "), "%20a%20%20b%20");
    EXPECT_EQ(EncodeUrlSpaces("q=a+b&c=%41\t"), "q=a+b&c=%41\t");
    EXPECT_EQ(EncodeUrlSpaces(""), "");
}

TEST(LaunchTextTest, BrowserUrlArgumentDropsSchemeOnlyForThatBrowser) {
    const std::string mixedCase = "C:\\Program Files\\Mozilla\\FireFox.EXE";
    EXPECT_EQ(BrowserUrlArgument("http://a.de/x", mixedCase), "a.de/x");
    EXPECT_EQ(BrowserUrlArgument("https://a.de/x", mixedCase), "a.de/x");
    EXPECT_EQ(BrowserUrlArgument("HTTPS://a.de", mixedCase), "HTTPS://a.de");  // scheme case-sensitive
    EXPECT_EQ(BrowserUrlArgument("ftp://a.de", mixedCase), "ftp://a.de");
    EXPECT_EQ(BrowserUrlArgument("www.a.de", mixedCase), "www.a.de");
    // Only the first scheme goes.
    EXPECT_EQ(BrowserUrlArgument("http://https://a", mixedCase), "https://a");
    EXPECT_EQ(BrowserUrlArgument("https://a.de", "C:\\Apps\\opera.exe"), "https://a.de");
    EXPECT_EQ(BrowserUrlArgument("https://a.de", ""), "https://a.de");
}

TEST(LaunchTextTest, FolderPartEndsAtLastBackslashOrColon) {
    EXPECT_EQ(FolderPart("C:\\Tools\\edit.exe"), "C:\\Tools\\");
    EXPECT_EQ(FolderPart("C:\\Tools\\"), "C:\\Tools\\");
    EXPECT_EQ(FolderPart("C:x.txt"), "C:");
    EXPECT_EQ(FolderPart("notepad"), "");
    EXPECT_EQ(WithTrailingBackslash(""), "\\");
    EXPECT_EQ(WithTrailingBackslash("C:\\"), "C:\\");
    EXPECT_EQ(WithoutTrailingBackslash("C:\\a\\"), "C:\\a");
    EXPECT_EQ(TrimBlanks(" \t a b \r\n"), "a b");
}

TEST(LaunchTextTest, IdListBytesReadsHexTokensAndRejectsDamagedLists) {
    EXPECT_EQ(IdListBytesFromText("14 00 1f 50  e0 4F "), std::string("\x14\x00\x1F\x50\xE0\x4F", 6));
    EXPECT_EQ(IdListBytesFromText("0"), std::string(1, '\0'));
    EXPECT_EQ(IdListBytesFromText(""), "");
    EXPECT_EQ(IdListBytesFromText("   "), "");
    EXPECT_EQ(IdListBytesFromText("14 0G"), "");
    EXPECT_EQ(IdListBytesFromText("14 100"), "");
    EXPECT_EQ(IdListBytesFromText("-1"), "");
}

TEST(LaunchTextTest, AnsiToWideMapsWindows1252) {
    EXPECT_EQ(AnsiToWide("B\xF6rje"), L"B\u00F6rje");
    EXPECT_EQ(AnsiToWide("\x80\x9F\x81"), L"\u20AC\u0178\u0081");
    EXPECT_EQ(AnsiToWide(""), L"");
}

TEST(LaunchTextTest, MinimisesAfterLaunchByModeAndAlt) {
    EXPECT_TRUE(MinimisesAfterLaunch(MinimiseMode::UnlessAlt, false));
    EXPECT_FALSE(MinimisesAfterLaunch(MinimiseMode::UnlessAlt, true));
    EXPECT_TRUE(MinimisesAfterLaunch(MinimiseMode::Always, true));
    EXPECT_FALSE(MinimisesAfterLaunch(MinimiseMode::Never, false));
    EXPECT_FALSE(MinimisesAfterLaunch(MinimiseMode::Never, true));
}

}  // namespace
}  // namespace qx
