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

TEST(ListFile, LoadFailureEmptiesTheListAndShowsTheSystemMessage) {
    test::FakeFileSystem fs;
    Lines list{"old"};
    const Status missing = LoadListFile(list, "C:\\missing.txt", fs);
    EXPECT_FALSE(missing);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(missing.message(), "The system cannot find the file specified.");
    fs.Put("C:\\a.txt", "x\r\ny\r\n");
    EXPECT_TRUE(LoadListFile(list, "C:\\a.txt", fs));
    EXPECT_EQ(list, (Lines{"x", "y"}));
}

TEST(ListFile, FailedSaveKeepsTheOldFileAndShowsTheMessage) {
    test::FakeFileSystem fs;
    fs.Put("C:\\a.txt", "old\r\n");
    fs.FailWrites("C:\\a.txt");
    const Status saved = SaveListFile({"new"}, "C:\\a.txt", fs);
    EXPECT_FALSE(saved);
    EXPECT_EQ(fs.Get("C:\\a.txt"), "old\r\n");
    EXPECT_EQ(saved.message(), "There is not enough space on the disk.");
}

}  // namespace
}  // namespace qx
