#pragma once
#include <array>
#include <optional>

namespace qx {

// The items of the hidden main menu, whose shortcuts are live while the key capture field
// has the focus.
enum class MenuCommand {
    Copy,
    Cut,
    Paste,
    Properties,
    JustAdd,
    LinkValues,
    NewFolder,
    NewFile,
    SelectAll,
    FileListDepth1,
    FileListDepth2,
    FileListDepth3,
    FileListAll,
    FileListAllNumbered,
    GoToExplorerFolder,
    FindFiles,
    Edit,
    ToggleRelativePath,
    ReleaseWindow,
};
inline constexpr int kMenuCommandCount = 19;

struct MenuShortcut {
    int key = 0;  // virtual-key code; letters are their upper-case character
    bool ctrl = false;
    bool alt = false;
    bool operator==(const MenuShortcut&) const = default;
};

struct MenuItemInfo {
    MenuCommand command;
    const char* itemName;  // the menu item's component name
    const char* caption;
    MenuShortcut shortcut;
};

// Every item in menu order.
const std::array<MenuItemInfo, kMenuCommandCount>& MainMenuItems();
const MenuItemInfo& MainMenuItem(MenuCommand command);
// The item whose shortcut is exactly this key with these modifiers; none for any other key.
std::optional<MenuCommand> FindMenuShortcut(int key, bool ctrl, bool alt);

}  // namespace qx
