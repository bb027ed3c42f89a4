#include "platform/win32/Win32InstallerLookup.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

// The installer library ships with every supported Windows (and with Wine), so its functions
// must be found; codes of nothing installed answer nothing rather than a stale path.
TEST(Win32InstallerLookupTest, UnknownOrMalformedCodesAndMissingShortcutsGiveNothing) {
    Win32InstallerLookup installer;
    EXPECT_TRUE(installer.Available());
    EXPECT_FALSE(installer.LocalComponentPath("{00000000-1111-2222-3333-444444444444}",
                                              "{55555555-6666-7777-8888-999999999999}"));
    EXPECT_FALSE(installer.LocalComponentPath("", ""));
    EXPECT_FALSE(installer.LocalComponentPath("not a code", "{x}"));
    EXPECT_FALSE(installer.ShortcutTarget("C:\\no such folder\\nothing.lnk"));
    EXPECT_FALSE(installer.ShortcutTarget(""));
}

}  // namespace
}  // namespace qx
