#include "platform/win32/Win32SystemInfo.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/win32/Win32ShellItems.h"
#include "win32/TempFolder.h"

namespace qx {
namespace {

std::string Variable(const char* name) {
    char value[4096] = {};
    const DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
    return std::string(value, length < sizeof value ? length : 0);
}

TEST(Win32SystemInfoTest, ExpandEnvironmentStrings_JoinsHomeDriveAndPathAndGrowsForLongValues) {
    const Win32SystemInfo info;
    const std::string drive = Variable("HOMEDRIVE");
    const std::string path = Variable("HOMEPATH");
    ASSERT_FALSE(drive.empty());
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(info.ExpandEnvironmentStrings("%HOMEDRIVE%%HOMEPATH%"), drive + path);
    EXPECT_EQ(info.ExpandEnvironmentStrings("%QX_NO_SUCH_VARIABLE%\\Files.txt"), "%QX_NO_SUCH_VARIABLE%\\Files.txt");
    // Values longer than a first guess at the size.
    const std::string value(5000, 'v');
    ASSERT_TRUE(::SetEnvironmentVariableA("QX_LONG_VALUE", value.c_str()));
    EXPECT_EQ(info.ExpandEnvironmentStrings("<%QX_LONG_VALUE%|%QX_LONG_VALUE%>"), "<" + value + "|" + value + ">");
    ::SetEnvironmentVariableA("QX_LONG_VALUE", nullptr);
}

TEST(Win32SystemInfoTest, WindowsVersionNumber_IsMajorTimesHundredPlusMinor) {
    EXPECT_EQ(Win32SystemInfo().WindowsVersionNumber(), 601);  // Wine reports Windows 7 (6.1)
}

// The answers a new entry's folder decision rests on: files and folders can be renamed, a
// drive root cannot, and a path the shell does not know gets no answer.
TEST(Win32ShellItemsTest, RenamableItemsDriveRootsAndUnknownPaths) {
    test::TempFolder folder;
    std::ofstream(folder / "Tool.exe") << "x";
    const Win32ShellItems shell;
    EXPECT_EQ(shell.CanRename(folder / "Tool.exe"), true);
    EXPECT_EQ(shell.CanRename(folder.path()), true);
    EXPECT_EQ(shell.CanRename("C:\\"), false);
    EXPECT_EQ(shell.CanRename(folder / "missing.exe"), std::nullopt);
    EXPECT_EQ(shell.FindNamespaceItem("\\no such item"), std::nullopt);
}

}  // namespace
}  // namespace qx
