#include <gtest/gtest.h>

#include "app/input/KeyCodes.h"
#include "app/input/MainMenuShortcuts.h"

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

}  // namespace
}  // namespace qx
