#include "platform/win32/Win32IconSource.h"

#include <gtest/gtest.h>

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32SystemInfo.h"
#include "win32/TempFolder.h"

namespace qx {
namespace {

int IconWidth(const LoadedIcon& icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(static_cast<HICON>(icon.get()), &info)) return 0;
    const UniqueBitmap colour(info.hbmColor);
    const UniqueBitmap mask(info.hbmMask);
    BITMAP shape{};
    GetObjectA(colour.get(), sizeof shape, &shape);
    return shape.bmWidth;
}

std::string ThisProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

class Win32IconSourceTest : public ::testing::Test {
protected:
    test::TempFolder temp;
    Win32FileSystem files;
    Win32IconSource source;
};

// The command icon at every size, and the shell's icon of a real program file as an entry
// keeps it.
TEST_F(Win32IconSourceTest, AWrittenIcoFileLoadsBackAtTheAskedSize) {
    const std::pair<LoadedIcon, int> icons[] = {{source.CommandIcon(16), 16},
                                                {source.CommandIcon(32), 32},
                                                {source.CommandIcon(48), 48},
                                                {source.ShellIcon(ThisProgram(), 32), 32}};
    int written = 0;
    for (const auto& [icon, size] : icons) {
        const std::string bytes = source.IconFileBytes(icon);
        // Directory, header, 32-bit pixels, then the mask in rows of whole 32-bit words.
        const std::size_t maskRow = static_cast<std::size_t>((size + 31) / 32) * 4;
        ASSERT_EQ(bytes.size(), 22 + 40 + size * size * 4 + maskRow * size) << size;
        EXPECT_EQ(bytes.substr(0, 7), std::string("\0\0\1\0\1\0", 6) + static_cast<char>(size));
        const std::string path = temp / ("i" + std::to_string(++written) + ".ico");
        ASSERT_TRUE(files.WriteFileAtomic(path, bytes).ok());
        EXPECT_EQ(IconWidth(source.LoadIconFile(path, size)), size);
    }
    EXPECT_EQ(source.LoadIconFile(temp / "missing.ico", 32), nullptr);
    // Extraction gives any size, not only the two the shell keeps.
    EXPECT_EQ(IconWidth(source.ExtractFileIcon("shell32.dll", 3, 24)), 24);
}

TEST_F(Win32IconSourceTest, ShellNamespacePathsAreFoundByDisplayName) {
    const std::string computer = "\\" + Win32SystemInfo().ShellRootDisplayName(ShellRoot::MyComputer);
    EXPECT_EQ(source.ShellItemIsFolder(computer), std::optional<bool>(true));
    EXPECT_NE(source.ShellItemIcon(computer, 16), nullptr);
    EXPECT_EQ(source.ShellItemIsFolder(computer + "\\No such drive"), std::nullopt);
}

}  // namespace
}  // namespace qx
