#pragma once
#include <functional>

#include "controls/RowList.h"
#include "store/Entry.h"

namespace qx {

// Entries ride on list rows as the items of the rows' data objects: the EntryList's rows own
// theirs, and the result list's rows refer to those same data objects.

// The row's entry; null when the row has no data object or its object no entry.
inline Entry* EntryIfAny(const RowData* data) { return data != nullptr ? data->ItemAs<Entry>() : nullptr; }
// The data object's entry, made empty on first access: in state FolderListing when folder
// browsing is on at that moment (see SetFolderBrowsingProbe), NotLoaded otherwise.
Entry& EntryOf(RowData& data);
// The entry of a row; a row without a data object gets an owned one first.
inline Entry& EntryAt(RowList& list, int index) { return EntryOf(list.Data(index)); }

// Folder browsing is one process-wide mode, so the question is asked process-wide too.
// An empty probe answers "not browsing".
void SetFolderBrowsingProbe(std::function<bool()> probe);

}  // namespace qx
