#include "exec/LaunchText.h"
#include "text/PathText.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(LaunchTextTest, CommandProgramCutsAtFirstBlankEvenInsideQuotes) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"\"C:\\Program Files\\x.exe\" -a", "\"C:\\Program", "Files\\x.exe\" -a"},
        {"regedit", "regedit", ""},
        {"", "", ""},
        {" calc", "", "calc"},  // a leading blank leaves an empty program
        {"cmd  /c  dir", "cmd", " /c  dir"},  // the arguments keep their own blanks
        {"cmd ", "cmd", ""},
    };
    for (const auto& [text, program, arguments] : cases) {
        EXPECT_EQ(CommandProgram(text, nullptr), program) << text;
        EXPECT_EQ(CommandArguments(text), arguments) << text;
    }
    const auto upper = [](std::string_view p) { return std::string(p) == "%x%" ? std::string("X") : std::string(p); };
    EXPECT_EQ(CommandProgram("%x% %x%", upper), "X");  // only the program is expanded
}

TEST(LaunchTextTest, StripKindPrefixTakesTextAfterMarker) {
    EXPECT_EQ(StripKindPrefix("exe: ", false), "");
    EXPECT_EQ(StripKindPrefix("notepad", true), "notepad");
    EXPECT_EQ(StripKindPrefix("notepad", false), "");
    // Markers are case-sensitive and need their blank.
    EXPECT_EQ(StripKindPrefix("URL: x", false), "");
    EXPECT_EQ(StripKindPrefix("url:x", false), "");
}

TEST(LaunchTextTest, EncodeUrlSpacesReplacesOnlyBlanks) {
    EXPECT_EQ(EncodeUrlSpaces(" a  b "), "%20a%20%20b%20");
    EXPECT_EQ(EncodeUrlSpaces("q=a+b&c=%41\t"), "q=a+b&c=%41\t");
}

TEST(LaunchTextTest, BrowserUrlArgumentDropsSchemeOnlyForThatBrowser) {
    const std::string mixedCase = "C:\\Program Files\\Mozilla\\FireFox.EXE";
    EXPECT_EQ(BrowserUrlArgument("HTTPS://a.de", mixedCase), "HTTPS://a.de");  // scheme case-sensitive
    EXPECT_EQ(BrowserUrlArgument("ftp://a.de", mixedCase), "ftp://a.de");
    EXPECT_EQ(BrowserUrlArgument("http://https://a", mixedCase), "https://a");  // only the first scheme goes
    EXPECT_EQ(BrowserUrlArgument("https://a.de", "C:\\Apps\\opera.exe"), "https://a.de");
    EXPECT_EQ(BrowserUrlArgument("https://a.de", ""), "https://a.de");
}

TEST(LaunchTextTest, PathPieces) {
    EXPECT_EQ(FolderPart("C:\\Tools\\"), "C:\\Tools\\");
    EXPECT_EQ(FolderPart("C:x.txt"), "C:");
    EXPECT_EQ(FolderPart("notepad"), "");
    EXPECT_EQ(WithTrailingBackslash(""), "\\");
    EXPECT_EQ(WithTrailingBackslash("C:\\"), "C:\\");
    EXPECT_EQ(WithoutTrailingBackslash("C:\\a\\"), "C:\\a");
    EXPECT_EQ(TrimBlanks(" \t a b \r\n"), "a b");
}

}  // namespace
}  // namespace qx
