#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace qx {

class IconMemoryCache;

// A loaded icon. The store never looks inside: the icon loader wraps its OS handle in a
// shared_ptr whose deleter frees it, so releasing the last reference frees the icon.
using IconHandle = std::shared_ptr<void>;

// The text columns of an entry, in file order (the two integer columns left out).
enum class EntryText : std::uint8_t {
    Name,
    Value,
    Parameters,
    SearchTerms,
    WorkingFolder,
    IconPath,
    IdList,
    ProductCode,
    ComponentCode,
    RunAsUser,
    Reserved,
};
inline constexpr int kEntryTextCount = 11;

// Where an entry's icon stands. FolderListing marks entries made for a folder listing,
// which the result list owns; every other state belongs to a stored entry.
enum class IconState : std::uint8_t { File = 0, Url = 1, Command = 2, FolderListing = 3, NotLoaded = 4 };

// Kinds read from the Name; all three tests are case-sensitive.
bool IsUrlEntry(std::string_view name);      // begins with "url: "
bool IsCommandEntry(std::string_view name);  // begins with "exe: "
bool IsNoDelete(std::string_view name);      // contains " (NoDelete)"

// One launcher entry. The eleven text columns share a single buffer (one allocation per
// entry instead of eleven strings), so they are read as views and changed through SetText.
class Entry {
public:
    Entry() = default;
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;
    ~Entry();

    std::string_view Text(EntryText column) const {
        const int i = static_cast<int>(column);
        const std::uint32_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(packed_.data() + begin, ends_[i] - begin);
    }
    void SetText(EntryText column, std::string_view text);
    // Replaces all text columns at once: packed holds them back to back, ends[i] is the
    // offset just past column i (non-decreasing, the last one at most packed.size()).
    void AssignPacked(std::string packed, const std::array<std::uint32_t, kEntryTextCount>& ends);
    // Total length of the text columns.
    std::size_t TextBytes() const { return packed_.size(); }

    std::string_view Name() const { return Text(EntryText::Name); }
    std::string_view Value() const { return Text(EntryText::Value); }
    std::string_view Parameters() const { return Text(EntryText::Parameters); }
    std::string_view SearchTerms() const { return Text(EntryText::SearchTerms); }
    std::string_view WorkingFolder() const { return Text(EntryText::WorkingFolder); }
    std::string_view IconPath() const { return Text(EntryText::IconPath); }
    std::string_view IdList() const { return Text(EntryText::IdList); }
    std::string_view ProductCode() const { return Text(EntryText::ProductCode); }
    std::string_view ComponentCode() const { return Text(EntryText::ComponentCode); }
    std::string_view RunAsUser() const { return Text(EntryText::RunAsUser); }
    std::string_view Reserved() const { return Text(EntryText::Reserved); }

    // Grows whenever any entry's text columns change, so a cache built from entry texts
    // (the search's candidate lines) knows when to rebuild.
    static std::uint64_t TextRevision();

    // Equal in all thirteen stored columns; run-time state is not compared.
    bool SameColumns(const Entry& other) const;

    // The loaded icon, empty when none; given and released through IconMemoryCache.
    const IconHandle& Icon() const { return icon_; }

    // Stored integer columns.
    int iconIndex = 0;
    int winVersion = 0;

    // Run-time state, never stored.
    IconState iconState = IconState::NotLoaded;
    bool iconLoaded = false;
    bool isFolder = false;
    bool hasTarget = false;
    std::string infoText = "@nod";  // display text of the row; "@nod" until computed

private:
    friend class IconMemoryCache;

    std::string packed_;
    std::array<std::uint32_t, kEntryTextCount> ends_{};

    IconHandle icon_;
    IconMemoryCache* cache_ = nullptr;
    Entry* cachePrev_ = nullptr;
    Entry* cacheNext_ = nullptr;
};

}  // namespace qx
