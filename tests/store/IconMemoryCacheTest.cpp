#include <gtest/gtest.h>

#include <vector>

#include "store/IconMemoryCache.h"

namespace qx {
namespace {

IconHandle CountedIcon(int& released) {
    return IconHandle(new int(0), [&released](void* p) {
        delete static_cast<int*>(p);
        ++released;
    });
}

TEST(IconMemoryCache, The1001stIconReleasesTheOldest) {
    int released = 0;
    IconMemoryCache cache;
    std::vector<Entry> entries(1001);
    for (int i = 0; i < 1000; ++i) {
        cache.Give(entries[i], CountedIcon(released));
        entries[i].iconLoaded = true;
    }
    EXPECT_EQ(released, 0);
    cache.Give(entries[1000], CountedIcon(released));
    EXPECT_EQ(cache.Count(), 1000u);
    EXPECT_EQ(released, 1);
    EXPECT_EQ(entries[0].Icon(), nullptr);
    EXPECT_FALSE(entries[0].iconLoaded);
    EXPECT_EQ(cache.Oldest(), &entries[1]);
}

TEST(IconMemoryCache, ReleaseUnlinksFromAnyPlaceRegivingMovesToTheEndAndNoLinkDangles) {
    int released = 0;
    auto cache = std::make_unique<IconMemoryCache>();
    Entry a, c;
    {
        Entry b, gone;
        cache->Give(a, CountedIcon(released));
        cache->Give(b, CountedIcon(released));
        cache->Give(gone, CountedIcon(released));
        cache->Give(c, CountedIcon(released));
        cache->Release(b);
        cache->Release(b);  // holds none any more
        EXPECT_EQ(released, 1);
    }
    EXPECT_EQ(released, 2);  // a destroyed entry gives its icon back
    cache->Give(a, CountedIcon(released));  // the old icon goes, a becomes newest
    EXPECT_EQ(released, 3);
    EXPECT_EQ(cache->Count(), 2u);
    EXPECT_EQ(cache->Oldest(), &c);
    EXPECT_EQ(cache->Newest(), &a);
    cache.reset();
    EXPECT_EQ(released, 5);
    EXPECT_EQ(a.Icon(), nullptr);
}

}  // namespace
}  // namespace qx
