#include "app/ListboxPopupMenu.h"

namespace qx {

const std::array<PopupItemInfo, kPopupItemCount>& ListboxPopupItems() {
    static const std::array<PopupItemInfo, kPopupItemCount> items{{
        {PopupItem::Edit, texts::EditRow, "Strg+E"},
        {PopupItem::Remove, texts::RemoveRow, "Entf"},
        {PopupItem::Rename, texts::RenameRow, "F2"},
        {PopupItem::CreateCopy, texts::CopyRow, ""},
        {PopupItem::Run, texts::RunRow, ""},
        {PopupItem::GoToParentFolder, texts::GoToParentFolder, ""},
        {PopupItem::OpenCommandPrompt, texts::OpenCommandPrompt, ""},
        {PopupItem::ShellContextMenu, texts::ShellContextMenu, ""},
        {PopupItem::RefreshFileInfo, texts::RefreshFileInfo, ""},
    }};
    return items;
}

PopupVisibility ListboxPopupVisibility(bool folderBrowsing, InputMode mode) {
    PopupVisibility visible{};
    auto show = [&visible](PopupItem item) { visible[static_cast<int>(item)] = true; };
    if (folderBrowsing) {
        show(PopupItem::Rename);
        show(PopupItem::GoToParentFolder);
    } else if (mode == InputMode::EntrySearch) {
        visible.fill(true);
    } else {
        show(PopupItem::Remove);
        show(PopupItem::Run);
    }
    return visible;
}

}  // namespace qx
