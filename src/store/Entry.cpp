#include "store/Entry.h"

#include <atomic>

#include "store/IconMemoryCache.h"

namespace qx {
namespace {

std::atomic<std::uint64_t> textRevision{0};

}  // namespace

std::uint64_t Entry::TextRevision() { return textRevision.load(std::memory_order_relaxed); }

bool IsUrlEntry(std::string_view name) { return name.starts_with("url: "); }
bool IsCommandEntry(std::string_view name) { return name.starts_with("exe: "); }
bool IsNoDelete(std::string_view name) { return name.find(" (NoDelete)") != std::string_view::npos; }

Entry::~Entry() {
    if (cache_ != nullptr) cache_->Release(*this);
}

void Entry::SetText(EntryText column, std::string_view text) {
    const int i = static_cast<int>(column);
    const std::uint32_t begin = i == 0 ? 0 : ends_[i - 1];
    const std::uint32_t oldLength = ends_[i] - begin;
    // Copy first: text may point into packed_ itself.
    const std::string copy(text);
    packed_.replace(begin, oldLength, copy);
    const std::uint32_t newLength = static_cast<std::uint32_t>(copy.size());
    for (int k = i; k < kEntryTextCount; ++k) ends_[k] = ends_[k] - oldLength + newLength;
    textRevision.fetch_add(1, std::memory_order_relaxed);
}

void Entry::AssignPacked(std::string packed, const std::array<std::uint32_t, kEntryTextCount>& ends) {
    packed_ = std::move(packed);
    ends_ = ends;
    textRevision.fetch_add(1, std::memory_order_relaxed);
}

bool Entry::SameColumns(const Entry& other) const {
    return packed_ == other.packed_ && ends_ == other.ends_ && iconIndex == other.iconIndex &&
           winVersion == other.winVersion;
}

}  // namespace qx
