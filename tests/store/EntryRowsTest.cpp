#include "store/EntryRows.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(EntryRows, EntryIsMadeOnFirstAccessInTheStateOfTheMoment) {
    RowList list;
    list.Add("x");
    list.AddObject("y", nullptr);
    bool browsing = true;
    SetFolderBrowsingProbe([&] { return browsing; });
    EXPECT_EQ(EntryIfAny(list.Objects(0)), nullptr);
    EXPECT_EQ(EntryAt(list, 0).iconState, IconState::FolderListing);
    browsing = false;
    EXPECT_EQ(EntryAt(list, 0).iconState, IconState::FolderListing);  // made once
    EXPECT_EQ(EntryAt(list, 1).iconState, IconState::NotLoaded);
    EXPECT_EQ(EntryAt(list, 1).infoText, "@nod");
    EXPECT_TRUE(list.OwnsObject(1));
    SetFolderBrowsingProbe(nullptr);
}

}  // namespace
}  // namespace qx
