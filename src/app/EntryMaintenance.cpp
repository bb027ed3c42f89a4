#include "app/EntryMaintenance.h"

#include <algorithm>

#include "app/EntryIcons.h"
#include "controls/ListBoxModel.h"
#include "search/PrefixCharacters.h"
#include "search/QueryState.h"
#include "search/ResultListModel.h"
#include "store/EntryStore.h"
#include "text/CaseFold.h"
#include "text/LanguageStrings.h"

namespace qx {
namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

// The icon files are named after the icon's source; when that changes they are worthless.
bool IconSourceChanged(const Entry& a, const Entry& b) {
    return IsUrlEntry(a.Name()) != IsUrlEntry(b.Name()) || IsCommandEntry(a.Name()) != IsCommandEntry(b.Name()) ||
           a.IconPath() != b.IconPath() || a.iconIndex != b.iconIndex || a.Value() != b.Value();
}

std::unique_ptr<Entry> CopyColumns(const Entry& entry) {
    auto copy = std::make_unique<Entry>();
    for (int i = 0; i < kEntryTextCount; ++i) {
        const auto column = static_cast<EntryText>(i);
        copy->SetText(column, entry.Text(column));
    }
    copy->iconIndex = entry.iconIndex;
    copy->winVersion = entry.winVersion;
    return copy;
}

void ScrollRowIntoView(ListBoxModel& list, int row) {
    const int visible = std::max(1, list.VisibleRows());
    if (row < list.TopIndex()) list.SetTopIndex(row);
    else if (row >= list.TopIndex() + visible) list.SetTopIndex(row - visible + 1);
}

}  // namespace

void EntryMaintenance::ShowInfo(const std::string& text) const {
    if (hooks_.showInfo) hooks_.showInfo(text);
}

void EntryMaintenance::ShowError(const Status& status) const {
    if (!status && hooks_.showError) hooks_.showError(status);
}

bool EntryMaintenance::DeleteEntry(std::string_view name) { return DeleteEntryAt(store_.EntryList().IndexOf(name)); }

bool EntryMaintenance::DeleteEntry(const RowData* object) {
    return DeleteEntryAt(store_.EntryList().IndexOfObject(object));
}

void EntryMaintenance::DeleteIconFiles(const Entry& entry) {
    if (icons_) icons_->DeleteFiles(entry);
}

void EntryMaintenance::MoveIconFiles(const Entry& oldEntry, const Entry& newEntry) {
    if (icons_) icons_->MoveFiles(oldEntry, newEntry);
}

bool EntryMaintenance::DeleteEntryAt(int index, bool rebuildList) {
    RowList& entries = store_.EntryList();
    if (index < 0) return false;
    RowData* object = entries.Objects(index);
    DeleteIconFiles(EntryAt(entries, index));

    // The row goes before the entry it refers to, so nothing ever sees a freed object.
    RowList& rows = results_.list().Items();
    if (const int row = rows.IndexOfObject(object); row >= 0) rows.Delete(row);
    entries.Delete(index);
    if (rebuildList) results_.RefreshList();
    return true;
}

void EntryMaintenance::RemoveSelectedEntry() {
    if (results_.folderBrowsing()) return;
    ListBoxModel& list = results_.list();
    if (!list.HasSelection()) return;
    if (results_.query().Mode() != InputMode::EntrySearch) {
        const Failures failures = results_.ForgetLine();
        for (const Status& status : failures.All()) ShowError(status);
        return;
    }
    // The row's own entry: of two entries with one name, the second row deletes the second.
    const RowData* object = list.Items().Objects(list.SelectedIndex());
    if (store_.EntryList().IndexOfObject(object) < 0) return;
    const std::string question = language_.Text(texts::DeleteEntryStart) + ShortName(list.SelectedText()) +
                                 language_.Text(texts::DeleteEntryEnd);
    if (!hooks_.askYesNo || !hooks_.askYesNo(question)) return;

    const int top = list.TopIndex();
    DeleteEntry(object);
    ShowError(store_.SaveEntries(false));
    list.SetTopIndex(top);
    list.Repaint();
}

bool EntryMaintenance::RefuseName(std::string_view name) {
    if (name.empty()) {
        ShowInfo(language_.Text(texts::NameMissing));
        return true;
    }
    for (PrefixRow row : {PrefixRow::ExecWin, PrefixRow::ExecUrlWww, PrefixRow::ExecHttp, PrefixRow::FolderSearch}) {
        const std::string& field = prefixes_.Field(row);
        if (!field.empty() && name.starts_with(field)) {
            ShowInfo(language_.Text(texts::NameBadFirstChar));
            return true;
        }
    }
    return false;
}

bool EntryMaintenance::ReplaceEntry(std::string_view oldName, std::unique_ptr<Entry> newEntry) {
    return ReplaceEntryAt(store_.EntryList().IndexOf(oldName), std::move(newEntry));
}

bool EntryMaintenance::ReplaceEntryAt(int index, std::unique_ptr<Entry> newEntry) {
    if (!newEntry) return false;
    RowList& entries = store_.EntryList();
    const std::string newName(newEntry->Name());
    if (RefuseName(newName) || index < 0) return false;
    if (!SameText(newName, entries.Strings(index)) && !store_.IsNameFree(newName)) {
        ShowInfo(language_.Text(texts::NameExistsStart) + ShortName(newName) + language_.Text(texts::NameExistsEnd));
        return false;
    }
    const Entry& oldEntry = EntryAt(entries, index);
    if (IconSourceChanged(oldEntry, *newEntry)) DeleteIconFiles(oldEntry);
    else MoveIconFiles(oldEntry, *newEntry);

    // Result rows refer to the item's data object, not to the entry, so they show the new
    // entry at once and never a freed one.
    entries.Objects(index)->SetItem(std::move(newEntry));
    entries.SetString(index, newName);
    return true;
}

bool EntryMaintenance::RenameInPlace(const RowData* object, std::string_view plainText) {
    const int index = store_.EntryList().IndexOfObject(object);
    if (index < 0) return true;
    const Entry* old = &EntryAt(store_.EntryList(), index);
    const std::string_view typed = Trimmed(plainText);
    // A kind prefix alone would make a Name that is not empty but names nothing.
    if (typed.empty()) {
        ShowInfo(language_.Text(texts::NameMissing));
        return false;
    }
    const std::string oldFullName(old->Name());
    const std::string newName =
        ComposeEntryName(typed, IsNoDelete(oldFullName), IsUrlEntry(oldFullName), IsCommandEntry(oldFullName));
    if (newName == oldFullName) return true;

    auto renamed = CopyColumns(*old);
    renamed->SetText(EntryText::Name, newName);
    if (!ReplaceEntryAt(index, std::move(renamed))) return false;

    store_.SortEntries();
    results_.RefreshList();
    ShowError(store_.SaveEntries(false));
    ListBoxModel& list = results_.list();
    // The data object stays with the entry through the replacement and the sort.
    const int row = list.Items().IndexOfObject(object);
    if (row >= 0) {
        list.SetSelected(row);
        ScrollRowIntoView(list, row);
        list.Repaint();
    }
    return true;
}

bool EntryMaintenance::ReplaceEdited(const RowData* object, std::unique_ptr<Entry> newEntry) {
    const int index = store_.EntryList().IndexOfObject(object);
    const std::string oldName = index >= 0 ? store_.EntryList().Strings(index) : std::string();
    if (!ReplaceEntryAt(index, std::move(newEntry))) return false;
    const bool renamed = store_.EntryList().Strings(index) != oldName;

    store_.SortEntries();
    results_.RefreshList();
    ShowError(store_.SaveEntries(false));
    ListBoxModel& list = results_.list();
    const int row = list.Items().IndexOfObject(object);
    if (renamed && row >= 0) {
        list.SetSelected(row);
        ScrollRowIntoView(list, row);
    }
    list.Repaint();
    return true;
}

}  // namespace qx
