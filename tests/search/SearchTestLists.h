#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/RowList.h"
#include "search/QueryState.h"
#include "store/EntryRows.h"

namespace qx::test {

// Appends an entry item (string = Name) whose data object owns a new entry, as the store does.
inline RowData* AddEntry(RowList& list, std::string_view name, std::string_view searchTerms = {}, int winVersion = 0) {
    auto entry = std::make_unique<Entry>();
    entry->SetText(EntryText::Name, name);
    entry->SetText(EntryText::SearchTerms, searchTerms);
    entry->winVersion = winVersion;
    auto object = std::make_unique<RowData>(std::move(entry));
    RowData* raw = object.get();
    list.AddObject(std::string(name), std::move(object));
    return raw;
}

inline std::vector<std::string> Texts(const RowList& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.Count(); ++i) texts.push_back(list.Strings(i));
    return texts;
}

// Query hooks for a search without a window: nothing browsed, nothing locked.
class NoQueryHooks : public IQueryHooks {
public:
    void CloseBalloonTip() override {}
    bool IsFolderBrowsing() const override { return false; }
    void SetFolderBrowsing(bool) override {}
    bool IsInputLockFree() const override { return true; }
    void SwitchToSearchResults() override {}
    bool IsInputLineHidden() const override { return false; }
    void RepaintTopBar() override {}
    std::string ExpandPath(const std::string& path) const override { return path; }
};

}  // namespace qx::test
