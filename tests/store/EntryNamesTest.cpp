#include "store/EntryNames.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(EntryNamesTest, ShortPlainAndComposedNames) {
    EXPECT_EQ(ShortName("12345678901234567890"), "12345678901234567890");
    EXPECT_EQ(ShortName("Eintragsname mit 21 Z"), "Eintragsn ... me mit 21 Z");
    EXPECT_EQ(PlainEntryName("exe: regedit (NoDelete)"), "regedit");
    EXPECT_EQ(PlainEntryName("url: Wetter heute"), "Wetter heute");
    EXPECT_EQ(PlainEntryName("Url: case matters"), "Url: case matters");
    EXPECT_EQ(PlainEntryName("Net (NoDelete) share"), "Net share");
    EXPECT_EQ(ComposeEntryName("regedit", true, false, true), "exe: regedit (NoDelete)");
    EXPECT_EQ(ComposeEntryName("Wetter", false, true, false), "url: Wetter");
}

}  // namespace
}  // namespace qx
