#include "store/IconMemoryCache.h"

namespace qx {

IconMemoryCache::~IconMemoryCache() { ReleaseAll(); }

void IconMemoryCache::ReleaseAll() {
    while (head_ != nullptr) Release(*head_);
}

void IconMemoryCache::Give(Entry& entry, IconHandle icon) {
    if (entry.cache_ != nullptr) entry.cache_->Release(entry);
    entry.icon_ = std::move(icon);
    entry.cache_ = this;
    entry.cachePrev_ = tail_;
    entry.cacheNext_ = nullptr;
    if (tail_ != nullptr) tail_->cacheNext_ = &entry;
    else head_ = &entry;
    tail_ = &entry;
    ++count_;
    if (count_ > kCapacity) Release(*head_);
}

void IconMemoryCache::Release(Entry& entry) {
    if (entry.cache_ != this) return;
    Unlink(entry);
    entry.icon_.reset();
    entry.iconLoaded = false;
}

void IconMemoryCache::Unlink(Entry& entry) {
    if (entry.cachePrev_ != nullptr) entry.cachePrev_->cacheNext_ = entry.cacheNext_;
    else head_ = entry.cacheNext_;
    if (entry.cacheNext_ != nullptr) entry.cacheNext_->cachePrev_ = entry.cachePrev_;
    else tail_ = entry.cachePrev_;
    entry.cachePrev_ = entry.cacheNext_ = nullptr;
    entry.cache_ = nullptr;
    --count_;
}

}  // namespace qx
