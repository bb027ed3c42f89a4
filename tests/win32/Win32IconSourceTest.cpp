#include "platform/win32/Win32IconSource.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/EntryIcons.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32SystemInfo.h"
#include "store/EntryStore.h"
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
    std::vector<std::string> IconFiles() const {
        std::vector<std::string> names = files.ListFiles(folders().iconsFolder);
        std::sort(names.begin(), names.end());
        return names;
    }
    FolderSet folders() const { return ComputeFolderSet(temp / "Quillox.exe", temp.path()); }

    test::TempFolder temp;
    Win32FileSystem files;
    Win32SystemInfo system;
    Win32IconSource source;
};

TEST_F(Win32IconSourceTest, AWrittenIcoFileLoadsBackAtTheAskedSize) {
    for (const int size : {16, 32, 48}) {
        const LoadedIcon icon = source.CommandIcon(size);
        const std::string bytes = source.IconFileBytes(icon);
        // Directory, header, 32-bit pixels, then the mask in rows of whole 32-bit words.
        const std::size_t maskRow = static_cast<std::size_t>((size + 31) / 32) * 4;
        ASSERT_EQ(bytes.size(), 22 + 40 + size * size * 4 + maskRow * size) << size;
        EXPECT_EQ(bytes.substr(0, 7), std::string("\0\0\1\0\1\0", 6) + static_cast<char>(size));
        const std::string path = temp / ("i" + std::to_string(size) + ".ico");
        ASSERT_TRUE(files.WriteFileAtomic(path, bytes).ok());
        EXPECT_EQ(IconWidth(source.LoadIconFile(path, size)), size);
    }
    EXPECT_EQ(source.LoadIconFile(temp / "missing.ico", 32), nullptr);
    // Extraction gives any size, not only the two the shell keeps.
    EXPECT_EQ(IconWidth(source.ExtractFileIcon("shell32.dll", 3, 24)), 24);
}

TEST_F(Win32IconSourceTest, ARealFilesIconIsKeptUnderTheEntrysNameMovesWithItAndGoesWithIt) {
    EntryStore store(StoreContext{files, system, folders(), ShellRootNames{}});
    EntryIcons icons(store, files, system, &source, "");
    Entry tool;
    tool.SetText(EntryText::Name, "Tool");
    tool.SetText(EntryText::Value, ThisProgram());
    icons.Load(tool, false);
    ASSERT_NE(tool.Icon(), nullptr);
    EXPECT_EQ(IconFiles(), std::vector<std::string>{"nFlTool32.ico"});
    EXPECT_EQ(IconWidth(source.LoadIconFile(folders().iconsFolder + "nFlTool32.ico", 32)), 32);

    Entry hammer;
    hammer.SetText(EntryText::Name, "Hammer");
    hammer.SetText(EntryText::Value, ThisProgram());
    icons.MoveFiles(tool, hammer);
    EXPECT_EQ(IconFiles(), std::vector<std::string>{"nFlHammer32.ico"});
    icons.DeleteFiles(hammer);
    EXPECT_TRUE(IconFiles().empty());
}

TEST_F(Win32IconSourceTest, ShellNamespacePathsAreFoundByDisplayName) {
    const std::string computer = "\\" + system.ShellRootDisplayName(ShellRoot::MyComputer);
    EXPECT_EQ(source.ShellItemIsFolder(computer), std::optional<bool>(true));
    EXPECT_NE(source.ShellItemIcon(computer, 16), nullptr);
    EXPECT_EQ(source.ShellItemIsFolder(computer + "\\No such drive"), std::nullopt);
}

}  // namespace
}  // namespace qx
