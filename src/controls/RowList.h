#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

// The data object every row can carry: a selection mark and an item of the owner's choosing,
// which the list never looks at. The object owns its item and frees it as the type it was
// given as; the owner reads it back as that type (ItemAs).
class RowData {
public:
    RowData() = default;
    template <class Item>
    explicit RowData(std::unique_ptr<Item> item) {
        SetItem(std::move(item));
    }

    bool HasItem() const { return item_ != nullptr; }
    // The item as the type it was given as; null when there is none.
    template <class Item>
    Item* ItemAs() const {
        return static_cast<Item*>(item_.get());
    }
    // Replaces the item; the old one is freed.
    template <class Item>
    void SetItem(std::unique_ptr<Item> item) {
        item_ = ItemPointer(item.release(), [](void* p) { std::default_delete<Item>()(static_cast<Item*>(p)); });
    }

    bool marked = false;

private:
    using ItemPointer = std::unique_ptr<void, void (*)(void*)>;
    ItemPointer item_{nullptr, [](void*) {}};
};

// A list of strings whose every item may carry a RowData.
//
// Ownership: an item either owns its data object (made by Add or Data, or handed over as a
// unique_ptr to AddObject/InsertObject) or only refers to one owned elsewhere (AddObjectRef,
// InsertObjectRef, Assign). Removing an item frees an owned object unless the removal hook
// sets keepObject, in which case the list merely lets go of it; referred objects are never
// freed here. A list thus shows another list's objects (the result list showing the entry
// list) without any hook, and cannot free them twice.
class RowList {
public:
    // Called before an item is removed; false cancels the removal.
    using RemovalHook = std::function<bool(int index, bool& keepObject)>;
    // Called with the string before an item is added by Add or Assign; false cancels it.
    using AddedHook = std::function<bool(const std::string& text)>;

    RowList() = default;
    RowList(const RowList&) = delete;
    RowList& operator=(const RowList&) = delete;
    // Frees the owned objects without running the hooks.
    ~RowList() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& Strings(int index) const { return items_[index].text; }
    void SetString(int index, std::string text) {
        items_[index].text = std::move(text);
        ++revision_;
    }
    RowData* Objects(int index) const { return items_[index].object; }
    bool OwnsObject(int index) const { return items_[index].owned != nullptr; }
    // The item's data object; an item without one gets an owned one first.
    RowData& Data(int index);

    // Each returns the new item's index, or -1 when the added hook refused it.
    int Add(std::string text);
    int AddObject(std::string text, std::unique_ptr<RowData> object);
    int AddObjectRef(std::string text, RowData* object);
    void InsertObject(int index, std::string text, std::unique_ptr<RowData> object);
    void InsertObjectRef(int index, std::string text, RowData* object);

    // Runs the removal hook unless skip-events is set; false when the hook refused.
    bool Delete(int index);
    // Deletes every item, asking the hook for each in order; items the hook refuses stay.
    // The removal hook sees every item at its place and must not change the list meanwhile.
    void Clear();
    // Clear, then refer to every object of source under its string (added hook per string).
    void Assign(const RowList& source);

    // Case-insensitive order by string (see CaseFold.h); not stable.
    void Sort();
    // First item whose string equals text case-insensitively, or -1.
    int IndexOf(std::string_view text) const;
    // The item that carries this data object (compared, never followed), or -1.
    int IndexOfObject(const RowData* object) const;
    // Grows with every change of the items, their strings, objects or order.
    std::uint64_t Revision() const { return revision_; }
    void Reserve(int count) { items_.reserve(static_cast<size_t>(count)); }

    bool skipEvents() const { return skipEvents_; }
    void SetSkipEvents(bool skip) { skipEvents_ = skip; }
    void SetRemovalHook(RemovalHook hook) { removalHook_ = std::move(hook); }
    void SetAddedHook(AddedHook hook) { addedHook_ = std::move(hook); }

private:
    struct Item {
        std::string text;
        RowData* object = nullptr;
        std::unique_ptr<RowData> owned;  // set when object belongs to this list
    };

    std::vector<Item> items_;
    std::uint64_t revision_ = 0;
    bool skipEvents_ = false;
    RemovalHook removalHook_;
    AddedHook addedHook_;
};

}  // namespace qx
