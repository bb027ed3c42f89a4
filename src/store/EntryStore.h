#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "controls/RowList.h"
#include "platform/FileSystem.h"
#include "platform/Status.h"
#include "platform/SystemInfo.h"
#include "store/Entry.h"
#include "store/EntryRows.h"
#include "store/FolderSet.h"
#include "store/History.h"
#include "store/IconMemoryCache.h"

namespace qx {

// What the store asks of the rest of the program. An empty hook does nothing / answers false.
struct EntryStoreHooks {
    std::function<bool()> isFolderBrowsing;
    // Rebuilds the result list from the (sorted) EntryList: the search view or all entries.
    std::function<void()> rebuildResultList;
    // Switches the result list to all entries and selects the item of that Name.
    std::function<void(const std::string& name)> selectInAllEntries;
    // Adds one loose file as an entry (names made unique, links resolved); true when added.
    std::function<bool(const std::string& filePath)> autoAddFile;
};

// The store's view of the program: OS access, folders and the hooks into later features.
struct StoreContext {
    IFileSystem& fs;
    const ISystemInfo& system;
    FolderSet folders;
    ShellRootNames shellRoots;  // each name ends in a backslash
    EntryStoreHooks hooks = {};
};

// What ImportLooseFiles did: how many entries it added, and whether saving them worked.
struct ImportResult {
    int added = 0;
    Status saved = Status::Ok();
};

// Known only once the settings are read.
struct LoadOptions {
    int languageIndex = 0;     // 0 German, 1 English: picks the first-run template
    bool firstLaunch = false;  // no OldOrders.txt existed when the program started
};

// All stored entries (the EntryList, sorted by Name), the entry file "Files.txt" with its
// first-run templates, the command and URL histories, and the in-memory icon cache.
// Each EntryList item's string is the entry's Name and its data object owns the entry.
class EntryStore {
public:
    explicit EntryStore(StoreContext context);
    EntryStore(const EntryStore&) = delete;
    EntryStore& operator=(const EntryStore&) = delete;

    void SetHooks(EntryStoreHooks hooks) { hooks_ = std::move(hooks); }

    // Start-up, once settings are read: histories first, then Files.txt (made from the
    // templates when missing). Reads only; writes just on a first launch. Goes on past a file
    // that cannot be read or written and returns the system's messages in order.
    Failures LoadEntries(const LoadOptions& options);
    // Writes Files.txt; refreshFirst sorts the list before and, unless browsing a folder,
    // rebuilds the result list.
    Status SaveEntries(bool refreshFirst);

    // The one gate for new entries. Returns whether an entry was added; addedName gets its
    // Name (empty when nothing was added).
    bool AddEntryFromLine(std::string_view line, bool makeUnique, std::string& addedName, bool select, bool refresh,
                          bool allowExisting);
    // The first entry of that Name (case-insensitive), or null.
    Entry* FindEntry(std::string_view name);
    bool IsNameFree(std::string_view name) const;
    // Whether some entry's Value is exactly this path (in any case).
    bool IsEntryValue(std::string_view path) const;
    // name, or name + "1" ... name + "100", whichever is free first; name + "101" when none is.
    std::string MakeUniqueName(std::string_view name) const;
    void SortEntries() { entries_.Sort(); }

    std::string ResolveEntryPath(std::string_view path, bool expandShellMarkers) const;

    // Turns the loose files of a folder into entries, and saves them when any were added.
    [[nodiscard]] ImportResult ImportLooseFiles(const std::string& folder);

    // Command history: OldOrders.txt; URL history: OldURLs.txt.
    Failures LoadHistories(bool firstLaunch);
    // After a launch from the input line: the line goes on top of that history, which is saved.
    Status RememberLaunch(History& history, const std::string& line, bool succeeded);
    // Writes the history's file, except while its last load failed (History::saveBlocked).
    Status SaveHistory(const History& history);

    RowList& EntryList() { return entries_; }
    const RowList& EntryList() const { return entries_; }
    History& CommandHistory() { return commandHistory_; }
    History& UrlHistory() { return urlHistory_; }
    IconMemoryCache& IconCache() { return iconCache_; }
    const FolderSet& Folders() const { return folders_; }
    std::string EntryFilePath() const { return folders_.dataFolder + "Files.txt"; }

private:
    void RefreshAfterChange();
    bool CreateFromTemplates(int languageIndex, Failures& failures);

    IFileSystem& fs_;
    const ISystemInfo& system_;
    FolderSet folders_;
    ShellRootNames shellRoots_;
    EntryStoreHooks hooks_;

    // The cache is declared first so that it outlives every entry that may hold an icon.
    IconMemoryCache iconCache_;
    RowList entries_;
    History commandHistory_;
    History urlHistory_;
};

}  // namespace qx
