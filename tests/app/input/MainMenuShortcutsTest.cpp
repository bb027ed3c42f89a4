#include <gtest/gtest.h>

#include <string>

#include "app/input/KeyCodes.h"
#include "app/input/MainMenuShortcuts.h"
#include "app/ListboxPopupMenu.h"

namespace qx {
namespace {

TEST(MainMenuShortcutsTest, ShortcutsMapToTheirCommands) {
    const std::pair<int, MenuCommand> ctrl[] = {
        {'C', MenuCommand::Copy},       {'X', MenuCommand::Cut},          {'V', MenuCommand::Paste},
        {'I', MenuCommand::Properties}, {'D', MenuCommand::JustAdd},      {'L', MenuCommand::LinkValues},
        {'N', MenuCommand::NewFolder},  {'M', MenuCommand::NewFile},      {'A', MenuCommand::SelectAll},
        {'B', MenuCommand::GoToExplorerFolder}, {'F', MenuCommand::FindFiles}, {'E', MenuCommand::Edit},
        {'R', MenuCommand::ToggleRelativePath}, {vk::kF1, MenuCommand::FileListDepth1},
        {vk::kF5, MenuCommand::FileListAllNumbered},
    };
    for (const auto& [key, command] : ctrl) EXPECT_EQ(FindMenuShortcut(key, true, false), command) << key;
    EXPECT_EQ(FindMenuShortcut('R', true, true), MenuCommand::ReleaseWindow);
    EXPECT_EQ(FindMenuShortcut('C', false, false), std::nullopt);
    EXPECT_EQ(FindMenuShortcut('C', true, true), std::nullopt);
    EXPECT_EQ(FindMenuShortcut(vk::kF6, true, false), std::nullopt);
}

TEST(ListboxPopupMenuTest, VisibleItemsFollowTheInputState) {
    const PopupVisibility folders = ListboxPopupVisibility(true, InputMode::EntrySearch);
    const PopupVisibility entries = ListboxPopupVisibility(false, InputMode::EntrySearch);
    const PopupVisibility history = ListboxPopupVisibility(false, InputMode::Url);
    EXPECT_EQ(ListboxPopupVisibility(false, InputMode::Command), history);
    for (const PopupItemInfo& info : ListboxPopupItems()) {
        const std::string caption = info.caption.german;
        EXPECT_EQ(IsVisible(folders, info.item),
                  info.item == PopupItem::Rename || info.item == PopupItem::GoToParentFolder)
            << caption;
        EXPECT_TRUE(IsVisible(entries, info.item)) << caption;
        EXPECT_EQ(IsVisible(history, info.item), info.item == PopupItem::Remove || info.item == PopupItem::Run)
            << caption;
    }
}

}  // namespace
}  // namespace qx
