#include "app/RowContextMenu.h"

namespace qx {

const std::array<RowMenuItemInfo, kRowMenuItemCount>& RowMenuItems() {
    static const std::array<RowMenuItemInfo, kRowMenuItemCount> items{{
        {RowMenuItem::Edit, texts::EditRow, "Strg+E"},
        {RowMenuItem::Remove, texts::RemoveRow, "Entf"},
        {RowMenuItem::Rename, texts::RenameRow, "F2"},
        {RowMenuItem::CreateCopy, texts::CopyRow, ""},
        {RowMenuItem::Run, texts::RunRow, ""},
        {RowMenuItem::GoToParentFolder, texts::GoToParentFolder, ""},
        {RowMenuItem::OpenCommandPrompt, texts::OpenCommandPrompt, ""},
        {RowMenuItem::ShellContextMenu, texts::ShellContextMenu, ""},
        {RowMenuItem::RefreshFileInfo, texts::RefreshFileInfo, ""},
    }};
    return items;
}

RowMenuVisibility VisibleRowMenuItems(bool folderBrowsing, InputMode mode) {
    RowMenuVisibility visible{};
    auto show = [&visible](RowMenuItem item) { visible[static_cast<int>(item)] = true; };
    if (folderBrowsing) {
        // Renaming a listed file arrives with the file operations; until then it stays hidden.
        show(RowMenuItem::GoToParentFolder);
    } else if (mode == InputMode::EntrySearch) {
        visible.fill(true);
    } else {
        show(RowMenuItem::Remove);
        show(RowMenuItem::Run);
    }
    return visible;
}

}  // namespace qx
