#include <gtest/gtest.h>

#include "skin/InputLineText.h"
#include "skin/TextFit.h"

namespace qx {
namespace {

int TenPerCharacter(std::string_view text) { return static_cast<int>(text.size()) * 10; }

TEST(TextFit, TruncatesAtTheEndOrFront) {
    struct Case { bool front; const char* text; int width; const char* expected; };
    const Case cases[] = {
        {false, "abcde", 70, "abcde"},  // fits with ".."
        {false, "abcde", 50, "abc.."},  // fits alone, but not with ".."
        {false, "abc", 10, ".."},       // nothing fits
        {false, "", 0, ""},
        {true, "abcdef", 60, "abcdef"},
        {true, "abcdefgh", 60, "..efgh"},
        {true, "abcdef", 10, "..ef"},  // never fewer than 2 characters
        {true, "abc", 10, "..bc"},
        {true, "ab", 0, "ab"},
        {true, "", 0, ""},
    };
    for (const Case& c : cases) {
        const auto cut = c.front ? TruncateFront : TruncateEnd;
        EXPECT_EQ(cut(c.text, c.width, TenPerCharacter), c.expected) << c.text << " in " << c.width;
    }
}

TEST(TextFit, SizeTexts) {
    struct Case { FileSizeState state; std::uint32_t bytes; char separator; const char* expected; };
    const Case cases[] = {
        {FileSizeState::NotAFile, 5000, '.', ""},
        {FileSizeState::Unreadable, 0, '.', "na"},
        {FileSizeState::Known, 0, '.', "0KB"},
        {FileSizeState::Known, 1, '.', "1KB"},
        {FileSizeState::Known, 1023, '.', "1KB"},
        {FileSizeState::Known, 1024, '.', "  1 KB"},
        {FileSizeState::Known, 1535, '.', "  1 KB"},
        {FileSizeState::Known, 1536, '.', "  2 KB"},
        {FileSizeState::Known, 999 * 1024, '.', "999 KB"},
        {FileSizeState::Known, 1000 * 1024, '.', "1.000 KB"},
        {FileSizeState::Known, 1048576000, '.', "1.024.000 KB"},
        {FileSizeState::Known, 4294967295u, ',', "4,194,304 KB"},
    };
    for (const Case& c : cases) EXPECT_EQ(SizeText(c.state, c.bytes, c.separator), c.expected) << c.bytes;
}

TEST(InputLineText, PathShortensAFolderAtATime) {
    const std::string path = "C:\\aaaa\\bbbb\\cccc\\x.exe";  // 23 characters
    struct Case { std::string text; int width; const char* expected; };
    const Case cases[] = {
        {path, 230, "C:\\aaaa\\bbbb\\cccc\\x.exe"},
        {path, 220, "C:\\...\\bbbb\\cccc\\x.exe"},
        {path, 170, "C:\\...\\cccc\\x.exe"},
        {path, 120, "C:\\...\\x.exe"},
        {path, 110, "...\\x.exe"},  // the drive goes with the last folder
        {path, 10, "...\\x.exe"},  // as short as a path gets
        {"C:x.exe", 50, "x.exe"},
        {"\\\\server\\share\\x", 100, "\\...\\x"},
        {"notes", 10, "notes"},
    };
    for (const Case& c : cases) EXPECT_EQ(ShortenPath(c.text, c.width, TenPerCharacter), c.expected) << c.width;
}

TEST(InputLineText, CaretSpinnerAndWaitText) {
    struct Case { InputLineState state; InputLineText expected; };
    const Case cases[] = {
        {{"", false, 0, 0, 200}, {"", ""}},
        {{"calc", true, 40, 7, 200}, {"calc", "  \\  "}},
        // room 200 - 50 - 12: the path first, then leading characters
        {{"C:\\aa\\bb\\cc\\x.exe", true, 0, 0, 200}, {"C:\\...\\x.exe", "  |  "}},
        {{"C:\\aa\\bb\\cc\\longname.exe", true, 0, 0, 200}, {"..ongname.exe", "  |  "}},
    };
    for (const Case& c : cases) EXPECT_EQ(PlanInputLine(c.state, TenPerCharacter), c.expected) << c.state.input;
}

}  // namespace
}  // namespace qx
