#include "app/RowContextMenu.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

// Entry search offers every item and a history row only Remove and Run (see the main form's test).
TEST(RowContextMenuTest, AFolderListingOffersTheParentFolderOnly) {
    const RowMenuVisibility folders = VisibleRowMenuItems(true, InputMode::EntrySearch);
    for (const RowMenuItemInfo& info : RowMenuItems()) {
        EXPECT_EQ(IsVisible(folders, info.item), info.item == RowMenuItem::GoToParentFolder) << info.caption.german;
    }
    EXPECT_EQ(VisibleRowMenuItems(false, InputMode::Url), VisibleRowMenuItems(false, InputMode::Command));
}

}  // namespace
}  // namespace qx
