#include "store/EntryRows.h"

#include <memory>

namespace qx {
namespace {

std::function<bool()>& FolderBrowsingProbe() {
    static std::function<bool()> probe;
    return probe;
}

}  // namespace

Entry& EntryOf(RowData& data) {
    if (Entry* entry = data.ItemAs<Entry>()) return *entry;
    auto entry = std::make_unique<Entry>();
    const auto& browsing = FolderBrowsingProbe();
    entry->iconState = browsing && browsing() ? IconState::FolderListing : IconState::NotLoaded;
    Entry& made = *entry;
    data.SetItem(std::move(entry));
    return made;
}

void SetFolderBrowsingProbe(std::function<bool()> probe) { FolderBrowsingProbe() = std::move(probe); }

}  // namespace qx
