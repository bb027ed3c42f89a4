#include <gtest/gtest.h>

#include <vector>

#include "store/IconMemoryCache.h"

namespace qx {
namespace {

// An icon whose release is counted.
IconHandle CountedIcon(int& released) {
    return IconHandle(new int(0), [&released](void* p) {
        delete static_cast<int*>(p);
        ++released;
    });
}

TEST(IconMemoryCache, The1001stIconReleasesTheOldest) {
    int released = 0;
    IconMemoryCache cache;
    std::vector<TEntryData> entries(1001);
    for (int i = 0; i < 1000; ++i) {
        cache.Give(entries[i], CountedIcon(released));
        entries[i].iconLoaded = true;
    }
    EXPECT_EQ(cache.Count(), 1000u);
    EXPECT_EQ(released, 0);
    cache.Give(entries[1000], CountedIcon(released));
    EXPECT_EQ(cache.Count(), 1000u);
    EXPECT_EQ(released, 1);
    EXPECT_EQ(entries[0].Icon(), nullptr);
    EXPECT_FALSE(entries[0].iconLoaded);
    EXPECT_EQ(cache.Oldest(), &entries[1]);
    EXPECT_EQ(cache.Newest(), &entries[1000]);
}

TEST(IconMemoryCache, ReleaseUnlinksFromAnyPlaceAndRegivingMovesToTheEnd) {
    int released = 0;
    IconMemoryCache cache;
    TEntryData a, b, c;
    cache.Give(a, CountedIcon(released));
    cache.Give(b, CountedIcon(released));
    cache.Give(c, CountedIcon(released));
    cache.Release(b);
    EXPECT_EQ(released, 1);
    cache.Release(b);  // holds none any more
    EXPECT_EQ(cache.Count(), 2u);
    cache.Give(a, CountedIcon(released));  // the old icon goes, a becomes newest
    EXPECT_EQ(released, 2);
    EXPECT_EQ(cache.Oldest(), &c);
    EXPECT_EQ(cache.Newest(), &a);
}

TEST(IconMemoryCache, DestroyedEntriesAndCachesLeaveNoDanglingLinks) {
    int released = 0;
    auto cache = std::make_unique<IconMemoryCache>();
    TEntryData survivor;
    {
        TEntryData gone;
        cache->Give(gone, CountedIcon(released));
        cache->Give(survivor, CountedIcon(released));
    }
    EXPECT_EQ(released, 1);
    EXPECT_EQ(cache->Count(), 1u);
    EXPECT_EQ(cache->Oldest(), &survivor);
    cache.reset();
    EXPECT_EQ(released, 2);
    EXPECT_EQ(survivor.Icon(), nullptr);
}

}  // namespace
}  // namespace qx
