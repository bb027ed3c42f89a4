#pragma once
#include <functional>

#include "platform/FileSystem.h"
#include "platform/IconSource.h"
#include "platform/Status.h"

namespace qx {

// The items of the options menu's "Einträge verwalten", in menu order.
enum class ManageCommand { RefreshIconCache, RemoveMissing, RemoveDuplicates };

class BusyPanel;
class EntryIcons;
class EntryMaintenance;
class EntryStore;
class LanguageSwitch;
class ResultListModel;

// The options menu's "Einträge verwalten" commands and the row menu's file information
// refresh. The bulk commands run under the busy panel and touch only entries of the running
// Windows version (WinVersion 0 or equal to it).
class EntryCleanup {
public:
    struct Parts {
        EntryStore& store;
        EntryMaintenance& maintenance;
        EntryIcons& icons;
        ResultListModel& results;
        BusyPanel& busy;
        const LanguageSwitch& language;
        const IFileSystem& fs;
        const IIconSource* shell;  // null: no shell-namespace item is known to exist
        int windowsVersion;
        std::function<void(const Status&)> showError;  // a save that failed
    };
    explicit EntryCleanup(Parts parts) : p_(std::move(parts)) {}

    // Removes the entries whose file or folder is gone. Kept are entries marked
    // " (NoDelete)", web addresses, commands, existing shell-namespace items and entries that
    // have only an ID list. Returns how many went.
    int RemoveMissing();
    // Of entries equal in Value, Parameters, WorkingFolder and IdList (letter case and outer
    // blanks aside) the first in Name order stays. Returns how many went.
    int RemoveDuplicates();
    // Deletes the icon files of the current size and makes every icon anew from its source.
    void RefreshIconCache();
    // Forgets the selected entry's icon (and its file of the current size), so the row
    // draws it anew; only in entry search outside folder browsing.
    void RefreshFileInformation();

private:
    bool TakesPart(int index) const;
    bool IsMissing(int index) const;
    void SaveAndFinish();

    Parts p_;
};

}  // namespace qx
