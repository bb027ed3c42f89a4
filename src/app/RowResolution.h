#pragma once
#include <functional>
#include <optional>
#include <string>

#include "platform/IconSource.h"
#include "platform/ShellFolderView.h"
#include "search/QueryState.h"
#include "skin/RowPlan.h"

namespace qx {

class Entry;
class EntryIcons;
class IconMemoryCache;
class IFileSystem;

// Where a row's icon, folder flag and detail text come from when it is first painted.
struct RowSources {
    ListMode mode = ListMode::Entries;
    EntryIcons* entryIcons = nullptr;      // the entries' icon loader
    IconMemoryCache* iconCache = nullptr;  // holds the icons of folder rows too
    const IIconSource* icons = nullptr;    // none: folder rows get no icon
    const IFileSystem* files = nullptr;
    std::string folder;  // the browsed file-system folder, with its trailing '\'
    // The shell view's item shown under a row text (shell folders).
    std::function<std::optional<ShellViewItem>(const std::string& rowText)> shellItem;
    // A shell detail column of an item; none when the folder has no such column.
    std::function<std::optional<std::string>(const ShellViewItem& item, int column)> shellDetail;
    FolderFlags folderFlags;  // which shell folder is browsed picks the detail columns
    int iconSize = 16;
    char thousandsSeparator = '.';
};

// Resolves the row's entry on its first paint and keeps the result in it: icon, folder and
// target flags, and (folder browsing) the detail text, which stays "@nod" until then. Later
// paints read what was kept.
RowToPaint ResolveRow(Entry& entry, const std::string& rowText, const RowSources& sources);

}  // namespace qx
