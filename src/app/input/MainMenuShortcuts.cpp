#include "app/input/MainMenuShortcuts.h"

#include "app/input/KeyCodes.h"

namespace qx {
namespace {

constexpr MenuShortcut Ctrl(int key) { return {key, true, false}; }

constexpr std::array<MenuItemInfo, kMenuCommandCount> kItems{{
    {MenuCommand::Copy, "copy1", "copy", Ctrl('C')},
    {MenuCommand::Cut, "cut1", "cut", Ctrl('X')},
    {MenuCommand::Paste, "paste1", "paste", Ctrl('V')},
    {MenuCommand::Properties, "properties1", "properties", Ctrl('I')},
    {MenuCommand::JustAdd, "justadd1", "just add", Ctrl('D')},
    {MenuCommand::LinkValues, "linkvalues1", "link values", Ctrl('L')},
    {MenuCommand::NewFolder, "newfolder1", "new folder", Ctrl('N')},
    {MenuCommand::NewFile, "newfile1", "new file", Ctrl('M')},
    {MenuCommand::SelectAll, "selectall1", "select all", Ctrl('A')},
    {MenuCommand::FileListDepth1, "FileListToClipbrd1", "ohne Unterverzeichnisse", Ctrl(vk::kF1)},
    {MenuCommand::FileListDepth2, "FileListToClipbrd2", "mit Unterverzeichnissen, eine Ebene", Ctrl(vk::kF2)},
    {MenuCommand::FileListDepth3, "FileListToClipbrd3", "mit Unterverzeichnissen, zwei Ebenen", Ctrl(vk::kF3)},
    {MenuCommand::FileListAll, "FileListToClipbrdAll", "mit Unterverzeichnissen, alle Ebenen", Ctrl(vk::kF4)},
    {MenuCommand::FileListAllNumbered, "FileListToClipbrdAll_numbers",
     "mit Unterverzeichnissen, alle Ebenen, DateiNummer", Ctrl(vk::kF5)},
    {MenuCommand::GoToExplorerFolder, "gotoexplorerdir", "go to explorer dir", Ctrl('B')},
    {MenuCommand::FindFiles, "findFilesWithExplorer1", "findFilesWithExplorer", Ctrl('F')},
    {MenuCommand::Edit, "EditMenuItem1", "edit", Ctrl('E')},
    {MenuCommand::ToggleRelativePath, "togglerelativeabsolutepath1", "toggle relative / absolute path", Ctrl('R')},
    {MenuCommand::ReleaseWindow, "releasequilloxwindow1", "release quillox window", {'R', true, true}},
}};

}  // namespace

const std::array<MenuItemInfo, kMenuCommandCount>& MainMenuItems() { return kItems; }

const MenuItemInfo& MainMenuItem(MenuCommand command) { return kItems[static_cast<int>(command)]; }

std::optional<MenuCommand> FindMenuShortcut(int key, bool ctrl, bool alt) {
    const MenuShortcut wanted{key, ctrl, alt};
    for (const MenuItemInfo& item : kItems) {
        if (item.shortcut == wanted) return item.command;
    }
    return std::nullopt;
}

}  // namespace qx
