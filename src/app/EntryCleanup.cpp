#include "app/EntryCleanup.h"

#include <string>
#include <unordered_set>
#include <vector>

#include "app/BusyPanel.h"
#include "app/EntryIcons.h"
#include "app/EntryMaintenance.h"
#include "controls/ListBoxModel.h"
#include "exec/LaunchText.h"
#include "search/QueryState.h"
#include "search/ResultListModel.h"
#include "store/EntryStore.h"
#include "text/CaseFold.h"
#include "text/LanguageStrings.h"
#include "text/PathText.h"

namespace qx {
namespace {

// The four compared columns, folded and trimmed, each behind its length so that no two
// different column sets give one key.
std::string DuplicateKey(const Entry& entry) {
    std::string key;
    for (const std::string_view column : {entry.Value(), entry.Parameters(), entry.WorkingFolder(), entry.IdList()}) {
        const std::string text = FoldedText(TrimBlanks(column));
        key += std::to_string(text.size()) + ':' + text;
    }
    return key;
}

}  // namespace

bool EntryCleanup::TakesPart(int index) const {
    const int version = EntryAt(p_.store.EntryList(), index).winVersion;
    return version == 0 || version == p_.windowsVersion;
}

bool EntryCleanup::IsMissing(int index) const {
    const Entry& entry = EntryAt(p_.store.EntryList(), index);
    const std::string_view name = entry.Name();
    if (IsNoDelete(name) || IsUrlEntry(name) || IsCommandEntry(name)) return false;
    if (entry.Value().empty()) return entry.IdList().empty();
    const std::string path = p_.store.ResolveEntryPath(entry.Value(), true);
    if (p_.fs.FileExists(path) || p_.fs.FolderExists(path)) return false;
    const bool namespacePath = path.size() > 1 && path[0] == '\\' && path[1] != '\\';
    return !(namespacePath && p_.shell && p_.shell->ShellItemIsFolder(path).has_value());
}

int EntryCleanup::RemoveMissing() {
    if (!p_.busy.Begin(p_.language.Text(texts::PleaseWait))) return 0;
    int removed = 0;
    // The stored Value keeps its markers and relative form: only the check uses the full path.
    for (int i = 0; i < p_.store.EntryList().Count();) {
        if (TakesPart(i) && IsMissing(i) && p_.maintenance.DeleteEntryAt(i, false)) ++removed;
        else ++i;
    }
    SaveAndFinish();
    return removed;
}

int EntryCleanup::RemoveDuplicates() {
    if (!p_.busy.Begin(p_.language.Text(texts::PleaseWait))) return 0;
    RowList& entries = p_.store.EntryList();
    // Equality of the four columns is transitive, so keeping the first of each kind removes
    // what comparing every pair would, in one pass.
    std::unordered_set<std::string> seen;
    std::vector<int> later;
    for (int i = 0; i < entries.Count(); ++i)
        if (TakesPart(i) && !seen.insert(DuplicateKey(EntryAt(entries, i))).second) later.push_back(i);
    for (auto at = later.rbegin(); at != later.rend(); ++at) p_.maintenance.DeleteEntryAt(*at, false);
    SaveAndFinish();
    return static_cast<int>(later.size());
}

void EntryCleanup::SaveAndFinish() {
    const Status saved = p_.store.SaveEntries(true);
    if (!saved && p_.showError) p_.showError(saved);
    p_.results.list().Repaint();
    p_.busy.End(p_.language.Text(texts::Finished));
}

void EntryCleanup::RefreshIconCache() {
    if (!p_.busy.Begin(p_.language.Text(texts::PleaseWait))) return;
    p_.icons.DeleteFilesOfCurrentSize();
    RowList& entries = p_.store.EntryList();
    for (int i = 0; i < entries.Count(); ++i) p_.store.IconCache().Release(EntryAt(entries, i));
    for (int i = 0; i < entries.Count(); ++i)
        if (TakesPart(i)) p_.icons.Load(EntryAt(entries, i), true);
    p_.results.list().Repaint();
    p_.busy.End(p_.language.Text(texts::IconsRefreshed));
}

void EntryCleanup::RefreshFileInformation() {
    ListBoxModel& list = p_.results.list();
    if (p_.results.folderBrowsing() || p_.results.query().Mode() != InputMode::EntrySearch || !list.HasSelection())
        return;
    Entry* entry = EntryIfAny(list.Items().Objects(list.SelectedIndex()));
    if (!entry) return;
    if (!IsUrlEntry(entry->Name()) && !IsCommandEntry(entry->Name())) p_.icons.DeleteFileOfCurrentSize(*entry);
    p_.store.IconCache().Release(*entry);
    entry->iconLoaded = false;  // also when the entry had no icon to release
    list.Repaint();
}

}  // namespace qx
