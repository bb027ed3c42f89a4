#include "controls/RowList.h"

#include <algorithm>
#include <cstdint>

#include "text/CaseFold.h"

namespace qx {

RowData& RowList::Data(int index) {
    Item& item = items_[index];
    if (item.object == nullptr) {
        item.owned = std::make_unique<RowData>();
        item.object = item.owned.get();
        ++revision_;
    }
    return *item.object;
}

int RowList::Add(std::string text) {
    if (addedHook_ && !addedHook_(text)) return -1;
    ++revision_;
    auto object = std::make_unique<RowData>();
    RowData* raw = object.get();
    items_.push_back(Item{std::move(text), raw, std::move(object)});
    return Count() - 1;
}

int RowList::AddObject(std::string text, std::unique_ptr<RowData> object) {
    ++revision_;
    RowData* raw = object.get();
    items_.push_back(Item{std::move(text), raw, std::move(object)});
    return Count() - 1;
}

int RowList::AddObjectRef(std::string text, RowData* object) {
    ++revision_;
    items_.push_back(Item{std::move(text), object, nullptr});
    return Count() - 1;
}

void RowList::InsertObject(int index, std::string text, std::unique_ptr<RowData> object) {
    ++revision_;
    RowData* raw = object.get();
    items_.insert(items_.begin() + index, Item{std::move(text), raw, std::move(object)});
}

void RowList::InsertObjectRef(int index, std::string text, RowData* object) {
    ++revision_;
    items_.insert(items_.begin() + index, Item{std::move(text), object, nullptr});
}

bool RowList::Delete(int index) {
    bool keepObject = false;
    if (!skipEvents_ && removalHook_ && !removalHook_(index, keepObject)) return false;
    // The hook may have changed the list; only the item it was asked about goes.
    if (index < 0 || index >= Count()) return false;
    auto it = items_.begin() + index;
    if (keepObject) (void)it->owned.release();  // the hook's caller took it over
    items_.erase(it);
    ++revision_;
    return true;
}

void RowList::Clear() {
    // Deleting from the front one by one would shift the rest every time; a result list of
    // 100,000 rows must clear at once. Each item is offered to the hook where it stands, and
    // the items the hook refuses are moved to the front afterwards.
    std::size_t keptCount = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        bool keepObject = false;
        if (!skipEvents_ && removalHook_ && !removalHook_(static_cast<int>(i), keepObject)) {
            if (keptCount != i) items_[keptCount] = std::move(items_[i]);
            ++keptCount;
            continue;
        }
        if (keepObject) (void)items_[i].owned.release();  // the hook's caller took it over
    }
    if (keptCount != items_.size()) ++revision_;
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(keptCount), items_.end());
}

void RowList::Assign(const RowList& source) {
    if (&source == this) return;
    Clear();
    ++revision_;
    items_.reserve(source.items_.size());
    for (const Item& item : source.items_) {
        if (addedHook_ && !addedHook_(item.text)) continue;
        items_.push_back(Item{item.text, item.object, nullptr});
    }
}

void RowList::Sort() {
    const size_t n = items_.size();
    if (n < 2) return;
    // Fold every string once, into one buffer, instead of twice per comparison.
    size_t total = 0;
    for (const Item& item : items_) total += item.text.size();
    std::string folded;
    folded.reserve(total);
    std::vector<std::uint32_t> starts(n + 1);
    for (size_t i = 0; i < n; ++i) {
        starts[i] = static_cast<std::uint32_t>(folded.size());
        AppendFolded(folded, items_[i].text);
    }
    starts[n] = static_cast<std::uint32_t>(folded.size());
    const std::string_view keys(folded);
    auto key = [&](std::uint32_t i) { return keys.substr(starts[i], starts[i + 1] - starts[i]); };

    std::vector<std::uint32_t> order(n);
    for (size_t i = 0; i < n; ++i) order[i] = static_cast<std::uint32_t>(i);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return key(a) < key(b); });
    std::vector<Item> sorted;
    sorted.reserve(items_.capacity());
    for (std::uint32_t i : order) sorted.push_back(std::move(items_[i]));
    items_.swap(sorted);
    ++revision_;
}

int RowList::IndexOfObject(const RowData* object) const {
    if (object == nullptr) return -1;
    for (int i = 0; i < Count(); ++i) {
        if (items_[static_cast<size_t>(i)].object == object) return i;
    }
    return -1;
}

int RowList::IndexOf(std::string_view text) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (SameText(items_[i].text, text)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace qx

