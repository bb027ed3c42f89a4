#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/EntryData.h"

namespace qx {

// The data object every string-list item carries: a selection mark and the entry.
// The object owns its entry.
class TovraStrLdata {
public:
    TovraStrLdata() = default;
    explicit TovraStrLdata(std::unique_ptr<TEntryData> entry) : entry_(std::move(entry)) {}

    // The entry, created empty on first access: in state FolderListing when folder browsing
    // is on at that moment (see SetFolderBrowsingProbe), NotLoaded otherwise.
    TEntryData& Entry();
    TEntryData* EntryIfAny() const { return entry_.get(); }
    void SetEntry(std::unique_ptr<TEntryData> entry) { entry_ = std::move(entry); }

    // Folder browsing is one process-wide mode, so the question is asked process-wide too.
    // An empty probe answers "not browsing".
    static void SetFolderBrowsingProbe(std::function<bool()> probe);

    bool marked = false;

private:
    std::unique_ptr<TEntryData> entry_;
};

// A list of strings whose every item carries a TovraStrLdata.
//
// Ownership: an item either owns its data object (made by Add, or handed over as a
// unique_ptr to AddObject/InsertObject) or only refers to one owned elsewhere (AddObjectRef,
// InsertObjectRef, Assign). Removing an item frees an owned object unless the removal hook
// sets keepObject, in which case the list merely lets go of it; referred objects are never
// freed here. A list thus shows another list's objects (the result list showing the entry
// list) without any hook, and cannot free them twice.
class TovraStringList {
public:
    // Called before an item is removed; false cancels the removal.
    using RemovalHook = std::function<bool(int index, bool& keepObject)>;
    // Called with the string before an item is added by Add or Assign; false cancels it.
    using AddedHook = std::function<bool(const std::string& text)>;

    TovraStringList() = default;
    TovraStringList(const TovraStringList&) = delete;
    TovraStringList& operator=(const TovraStringList&) = delete;
    // Frees the owned objects without running the hooks.
    ~TovraStringList() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& Strings(int index) const { return items_[index].text; }
    void SetString(int index, std::string text) {
        items_[index].text = std::move(text);
        ++revision_;
    }
    TovraStrLdata* Objects(int index) const { return items_[index].object; }
    bool OwnsObject(int index) const { return items_[index].owned != nullptr; }
    // The item's entry; an item without a data object gets an owned one first.
    TEntryData& Entry(int index);

    // Each returns the new item's index, or -1 when the added hook refused it.
    int Add(std::string text);
    int AddObject(std::string text, std::unique_ptr<TovraStrLdata> object);
    int AddObjectRef(std::string text, TovraStrLdata* object);
    void InsertObject(int index, std::string text, std::unique_ptr<TovraStrLdata> object);
    void InsertObjectRef(int index, std::string text, TovraStrLdata* object);

    // Runs the removal hook unless skip-events is set; false when the hook refused.
    bool Delete(int index);
    // Deletes every item, asking the hook for each in order; items the hook refuses stay.
    // The removal hook sees every item at its place and must not change the list meanwhile.
    void Clear();
    // Clear, then refer to every object of source under its string (added hook per string).
    void Assign(const TovraStringList& source);

    // Case-insensitive order by string (see CaseFold.h); not stable.
    void Sort();
    // First item whose string equals text case-insensitively, or -1.
    int IndexOf(std::string_view text) const;
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
        TovraStrLdata* object = nullptr;
        std::unique_ptr<TovraStrLdata> owned;  // set when object belongs to this list
    };

    std::vector<Item> items_;
    std::uint64_t revision_ = 0;
    bool skipEvents_ = false;
    RemovalHook removalHook_;
    AddedHook addedHook_;
};

}  // namespace qx
