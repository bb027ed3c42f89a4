#include "platform/win32/Win32FileSystem.h"

#include <gtest/gtest.h>
#include "platform/win32/Win32Api.h"

#include <algorithm>

#include "platform/win32/SystemErrorText.h"
#include "platform/win32/UniqueHandle.h"
#include "win32/TempFolder.h"

namespace qx {
namespace {

using test::TempFolder;

class Win32FileSystemTest : public ::testing::Test {
protected:
    std::vector<std::string> SortedFiles(const std::string& folder) const {
        std::vector<std::string> names = files.ListFiles(folder);
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string Read(const std::string& path) const {
        std::string contents;
        EXPECT_TRUE(files.ReadFile(path, contents).ok()) << path;
        return contents;
    }

    TempFolder temp;
    Win32FileSystem files;
};

// Bytes that text-mode I/O or a C string would mangle.
const std::string kAwkwardBytes = std::string("line 1\r\nZ\xE4hler\n\x1A", 17) + std::string(1, '\0') + "end";

// The big contents do not fit one read buffer.
TEST_F(Win32FileSystemTest, WriteFileAtomic_HoldsExactBytesReplacesLongerContentsWholeAndLeavesNoTemp) {
    const std::string target = temp / "Files.txt";
    ASSERT_TRUE(files.WriteFileAtomic(target, kAwkwardBytes).ok());
    EXPECT_EQ(Read(target), kAwkwardBytes);
    std::string big(300 * 1024 + 7, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 31 % 251);
    ASSERT_TRUE(files.WriteFileAtomic(target, big).ok());
    EXPECT_EQ(Read(target), big);
    ASSERT_TRUE(files.WriteFileAtomic(target, "short").ok());
    EXPECT_EQ(Read(target), "short");
    EXPECT_EQ(SortedFiles(temp.path()), std::vector<std::string>{"Files.txt"});
}

TEST_F(Win32FileSystemTest, WriteFileAtomic_ReadOnlyTargetFailsUntouchedWithoutTemp) {
    const std::string target = temp / "locked.txt";
    ASSERT_TRUE(files.WriteFileAtomic(target, "old").ok());
    ASSERT_TRUE(::SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));

    const Status status = files.WriteFileAtomic(target, "new");
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.message(), SystemErrorText(ERROR_ACCESS_DENIED));
    EXPECT_EQ(Read(target), "old");
    EXPECT_EQ(SortedFiles(temp.path()), std::vector<std::string>{"locked.txt"});
}

TEST_F(Win32FileSystemTest, MissingFilesAndFoldersOrWritesOntoAFolderFailWithTheSystemMessage) {
    std::string contents = "before";
    EXPECT_EQ(files.ReadFile(temp / "nothing.txt", contents).message(), SystemErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(contents, "before");
    EXPECT_EQ(files.WriteFileAtomic(temp / "missing\\Files.txt", "x").message(), SystemErrorText(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(files.AppendToFile(temp / "missing\\log.txt", "x").message(), SystemErrorText(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(files.FolderExists(temp / "missing"));
    ASSERT_TRUE(files.CreateFolder(temp / "Skins").ok());
    EXPECT_FALSE(files.WriteFileAtomic(temp / "Skins", "x").ok());
    EXPECT_TRUE(files.FolderExists(temp / "Skins"));
    EXPECT_TRUE(SortedFiles(temp.path()).empty());
}

TEST_F(Win32FileSystemTest, AppendToFile_AppendsAtTheEndAndReadsWhileAnotherWriterHoldsTheFile) {
    const std::string log = temp / "log.txt";
    ASSERT_TRUE(files.AppendToFile(log, "first\r\n").ok());
    UniqueKernelHandle writer(::CreateFileA(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer);
    EXPECT_EQ(Read(log), "first\r\n");
    EXPECT_TRUE(files.AppendToFile(log, "second\r\n").ok());
    EXPECT_EQ(Read(log), "first\r\nsecond\r\n");
    const std::string other = temp / "other.txt";
    ASSERT_TRUE(files.AppendToFile(other, "").ok());
    EXPECT_EQ(Read(other), "");
}

TEST_F(Win32FileSystemTest, CopyFileNew_NeverOverwritesAndDeleteFile_RemovesOnce) {
    ASSERT_TRUE(files.WriteFileAtomic(temp / "template.txt", "template").ok());
    ASSERT_TRUE(files.CopyFileNew(temp / "template.txt", temp / "Files.txt").ok());
    EXPECT_EQ(Read(temp / "Files.txt"), "template");

    ASSERT_TRUE(files.WriteFileAtomic(temp / "Files.txt", "user data").ok());
    const Status again = files.CopyFileNew(temp / "template.txt", temp / "Files.txt");
    EXPECT_FALSE(again.ok());
    EXPECT_EQ(again.message(), SystemErrorText(ERROR_FILE_EXISTS));
    EXPECT_EQ(Read(temp / "Files.txt"), "user data");

    EXPECT_EQ(files.CopyFileNew(temp / "absent.txt", temp / "copy.txt").message(), SystemErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(files.FileExists(temp / "copy.txt"));
    ASSERT_TRUE(files.WriteFileAtomic(temp / "x.txt", "x").ok());
    EXPECT_TRUE(files.DeleteFile(temp / "x.txt").ok());
    EXPECT_FALSE(files.FileExists(temp / "x.txt"));
    EXPECT_EQ(files.DeleteFile(temp / "x.txt").message(), SystemErrorText(ERROR_FILE_NOT_FOUND));
}

TEST_F(Win32FileSystemTest, ListFiles_GivesNamesOfPlainFilesOnly) {
    ASSERT_TRUE(files.WriteFileAtomic(temp / "b.lnk", "").ok());
    ASSERT_TRUE(files.WriteFileAtomic(temp / "a.txt", "").ok());
    ASSERT_TRUE(files.WriteFileAtomic(temp / "noextension", "").ok());
    ASSERT_TRUE(files.CreateFolder(temp / "sub").ok());
    ASSERT_TRUE(files.WriteFileAtomic(temp / "sub\\inner.txt", "").ok());

    const std::vector<std::string> expected{"a.txt", "b.lnk", "noextension"};
    EXPECT_EQ(SortedFiles(temp.path()), expected);
    EXPECT_EQ(SortedFiles(temp.path() + "\\"), expected);
    EXPECT_EQ(SortedFiles(temp / "sub"), std::vector<std::string>{"inner.txt"});
    EXPECT_TRUE(files.ListFiles(temp / "missing").empty());
}

// The system's own wildcard search: any letter case, folders flagged, "." and ".." left out.
TEST_F(Win32FileSystemTest, FindItems_MatchesWithoutCaseAndCreateNewRefusesExistingNames) {
    ASSERT_TRUE(files.CreateNewFile(temp / "Windows.txt").ok());
    ASSERT_TRUE(files.CreateNewFile(temp / "other.txt").ok());
    ASSERT_TRUE(files.CreateNewFolder(temp / "myWINdir").ok());
    ASSERT_TRUE(files.WriteFileAtomic(temp / "kept.txt", "data").ok());
    EXPECT_FALSE(files.CreateNewFile(temp / "kept.txt").ok());
    EXPECT_EQ(Read(temp / "kept.txt"), "data");
    EXPECT_FALSE(files.CreateNewFolder(temp / "myWINdir").ok());
    EXPECT_FALSE(files.CreateNewFolder(temp / "kept.txt").ok());

    auto found = files.FindItems(temp.path() + "\\", "*win*");
    std::sort(found.begin(), found.end(), [](const FoundItem& a, const FoundItem& b) { return a.name < b.name; });
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].name + (found[0].isFolder ? "\\" : ""), "Windows.txt");
    EXPECT_EQ(found[1].name + (found[1].isFolder ? "\\" : ""), "myWINdir\\");
    EXPECT_EQ(files.FindItems(temp.path(), "*").size(), 4u);
    EXPECT_TRUE(files.FindItems(temp / "missing\\", "*").empty());
}

TEST_F(Win32FileSystemTest, CreateFolder_CreatesEveryMissingParentButNotOverAFile) {
    const std::string deep = temp / "Quillox-Data\\Skins\\Default";
    ASSERT_TRUE(files.CreateFolder(deep).ok());
    EXPECT_TRUE(files.FolderExists(deep));
    EXPECT_FALSE(files.FileExists(deep));

    EXPECT_TRUE(files.CreateFolder(deep).ok());
    EXPECT_TRUE(files.CreateFolder(temp / "Quillox-Data\\Icons\\").ok());
    EXPECT_TRUE(files.FolderExists(temp / "Quillox-Data\\Icons"));
    ASSERT_TRUE(files.WriteFileAtomic(temp / "blocker", "").ok());
    EXPECT_FALSE(files.CreateFolder(temp / "blocker").ok());
    EXPECT_FALSE(files.CreateFolder(temp / "blocker\\child").message().empty());
    EXPECT_TRUE(files.FileExists(temp / "blocker"));
    EXPECT_FALSE(files.FolderExists(temp / "blocker"));
}

TEST(SystemErrorTextTest, KeepsTheStopDropsTheLineBreakAndIsEmptyForUnknownCodes) {
    const std::string text = SystemErrorText(ERROR_FILE_NOT_FOUND);
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.back(), '.');
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(SystemErrorTextWithoutStop(ERROR_FILE_NOT_FOUND), text.substr(0, text.size() - 1));
    EXPECT_EQ(SystemErrorText(0x2FFFFFFF), "");
}

}  // namespace
}  // namespace qx
