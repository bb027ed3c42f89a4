#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/RowList.h"
#include "store/EntryRows.h"

namespace qx::test {

// Appends an entry item (string = Name) whose data object owns a new entry, as the store does.
inline RowData* AddEntry(RowList& list, std::string_view name, std::string_view searchTerms = {},
                               int winVersion = 0) {
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

}  // namespace qx::test
