#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Status.h"
#include "store/Entry.h"
#include "store/EntryNames.h"

namespace qx {

class EntryIcons;
class EntryStore;
class LanguageSwitch;
class RowData;
class PrefixCharacters;
class ResultListModel;

// The message boxes of the main window; each holds the input lock while shown.
struct EntryMaintenanceHooks {
    std::function<bool(const std::string& question)> askYesNo;  // unset: answers No
    std::function<void(const std::string& text)> showInfo;
    // The error box for a file that could not be saved.
    std::function<void(const Status& status)> showError;
};

// Removing one stored entry (with confirmation from the Delete key), and replacing an entry
// after an edit or an in-place rename. Every change ends with the list rebuilt; the callers
// that change entries save them (RemoveSelectedEntry and RenameInPlace do so themselves).
class EntryMaintenance {
public:
    EntryMaintenance(EntryStore& store, ResultListModel& results, const LanguageSwitch& language,
                     const PrefixCharacters& prefixes)
        : store_(store), results_(results), language_(language), prefixes_(prefixes) {}
    EntryMaintenance(const EntryMaintenance&) = delete;
    EntryMaintenance& operator=(const EntryMaintenance&) = delete;

    void SetHooks(EntryMaintenanceHooks hooks) { hooks_ = std::move(hooks); }
    // The icon files that go and move with the entries; none are touched while unset.
    void SetIcons(EntryIcons* icons) { icons_ = icons; }

    // Removes the first stored entry of that Name (case-insensitive) with its
    // icon files and its result row, then rebuilds the list. False when no entry has the Name.
    bool DeleteEntry(std::string_view name);
    // The same for the stored entry a row carries (its data object); false when it is none.
    bool DeleteEntry(const RowData* object);
    // The Delete key and the row menu's remove item outside folder browsing: in entry search asks
    // whether to delete the selected row's entry and, on Yes, deletes and saves it, keeping the
    // scroll position; in command or URL mode forgets the selected history line.
    void RemoveSelectedEntry();
    // Puts newEntry in place of the entry oldName after checking its Name: not empty, not
    // beginning with a command, URL or folder character, and not another entry's. A refusal
    // is shown, discards newEntry and leaves the EntryList unchanged.
    bool ReplaceEntry(std::string_view oldName, std::unique_ptr<Entry> newEntry);
    // The in-place rename of the stored entry a row carries (its data object), never another of
    // the same name: plainText is what the user typed for the name (as PlainEntryName shows it);
    // the entry keeps its kind prefix and marker. Saves, rebuilds the list and selects the
    // renamed row. False when the name was refused (the edit should stay open); true also when
    // nothing changed or the object is no stored entry.
    bool RenameInPlace(const RowData* object, std::string_view plainText);
    // Deletes the stored entry at that EntryList index with its icon files and result row;
    // rebuildList false leaves the list's rebuild to the caller (bulk removals rebuild once).
    bool DeleteEntryAt(int index, bool rebuildList = true);
    // The edit dialog's OK for the stored entry a row carries: puts newEntry in its place as
    // ReplaceEntry does, then sorts, saves and shows it (its row selected and scrolled into view
    // when the Name changed). False when the name was refused.
    bool ReplaceEdited(const RowData* object, std::unique_ptr<Entry> newEntry);

private:
    void DeleteIconFiles(const Entry& entry);
    void MoveIconFiles(const Entry& oldEntry, const Entry& newEntry);
    bool ReplaceEntryAt(int index, std::unique_ptr<Entry> newEntry);
    bool RefuseName(std::string_view name);
    void ShowInfo(const std::string& text) const;
    void ShowError(const Status& status) const;

    EntryStore& store_;
    ResultListModel& results_;
    const LanguageSwitch& language_;
    const PrefixCharacters& prefixes_;
    EntryMaintenanceHooks hooks_;
    EntryIcons* icons_ = nullptr;
};

}  // namespace qx
