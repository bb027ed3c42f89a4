#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "store/ListFile.h"

namespace qx {
namespace {

using Lines = std::vector<std::string>;

Lines Split(std::string_view text) {
    Lines lines;
    SplitLines(text, lines);
    return lines;
}

TEST(ListFile, AnyLineEndEndsALineAndATrailingOneAddsNothing) {
    EXPECT_EQ(Split("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(Split("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(Split("a\n\n"), (Lines{"a", ""}));
    EXPECT_EQ(Split("\r\n"), (Lines{""}));
    EXPECT_EQ(Split("a\n\rb"), (Lines{"a", "", "b"}));  // LF then CR is two ends
    EXPECT_EQ(Split(""), Lines{});
    EXPECT_EQ(Split("\xEF\xBB\xBFx\r\n\xEF\xBB\xBFy"), (Lines{"x", "\xEF\xBB\xBFy"}));
    EXPECT_EQ(Split(std::string("a\0b", 3)), (Lines{std::string("a\0b", 3)}));
    EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinLines({}), "");
}

TEST(ListFile, FailedLoadEmptiesTheListAndFailedSaveKeepsTheOldFile) {
    test::FakeFileSystem fs;
    Lines list{"old"};
    EXPECT_EQ(LoadListFile(list, "C:\\missing.txt", fs).message(), "The system cannot find the file specified.");
    EXPECT_TRUE(list.empty());
    fs.Put("C:\\a.txt", "x\r\ny\r\n");
    EXPECT_TRUE(LoadListFile(list, "C:\\a.txt", fs));
    EXPECT_EQ(list, (Lines{"x", "y"}));
    fs.FailWrites("C:\\a.txt");
    EXPECT_EQ(SaveListFile({"new"}, "C:\\a.txt", fs).message(), "There is not enough space on the disk.");
    EXPECT_EQ(fs.Get("C:\\a.txt"), "x\r\ny\r\n");
}

}  // namespace
}  // namespace qx
