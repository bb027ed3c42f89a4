#pragma once
#include <cstddef>

#include "store/Entry.h"

namespace qx {

// The entries that currently hold a loaded icon, oldest first. At most kCapacity icons are
// held: giving one more releases the icon of the entry that got its icon longest ago.
// Entries are linked in place (no allocation per icon); an entry that is destroyed
// unlinks itself, and a cache that is destroyed releases every icon it still holds.
class IconMemoryCache {
public:
    static constexpr std::size_t kCapacity = 1000;

    IconMemoryCache() = default;
    IconMemoryCache(const IconMemoryCache&) = delete;
    IconMemoryCache& operator=(const IconMemoryCache&) = delete;
    ~IconMemoryCache();

    // Gives the entry its icon and makes it the newest; an icon it held before is released.
    void Give(Entry& entry, IconHandle icon);
    // Frees the entry's icon and unlinks it wherever it stands; nothing when it holds none.
    // The entry's iconLoaded is cleared, so the next drawing loads the icon again.
    void Release(Entry& entry);
    // Frees every icon held (another icon size is wanted): each entry loads its icon again.
    void ReleaseAll();

    std::size_t Count() const { return count_; }
    const Entry* Oldest() const { return head_; }
    const Entry* Newest() const { return tail_; }

private:
    void Unlink(Entry& entry);

    Entry* head_ = nullptr;
    Entry* tail_ = nullptr;
    std::size_t count_ = 0;
};

}  // namespace qx
