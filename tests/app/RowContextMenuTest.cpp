#include <gtest/gtest.h>

#include <string>

#include "app/RowContextMenu.h"

namespace qx {
namespace {

TEST(RowContextMenuTest, VisibleItemsFollowTheInputState) {
    const RowMenuVisibility folders = VisibleRowMenuItems(true, InputMode::EntrySearch);
    const RowMenuVisibility entries = VisibleRowMenuItems(false, InputMode::EntrySearch);
    const RowMenuVisibility history = VisibleRowMenuItems(false, InputMode::Url);
    EXPECT_EQ(VisibleRowMenuItems(false, InputMode::Command), history);
    for (const RowMenuItemInfo& info : RowMenuItems()) {
        const std::string caption = info.caption.german;
        EXPECT_EQ(IsVisible(folders, info.item),
                  info.item == RowMenuItem::Rename || info.item == RowMenuItem::GoToParentFolder)
            << caption;
        EXPECT_TRUE(IsVisible(entries, info.item)) << caption;
        EXPECT_EQ(IsVisible(history, info.item), info.item == RowMenuItem::Remove || info.item == RowMenuItem::Run)
            << caption;
    }
}

}  // namespace
}  // namespace qx
