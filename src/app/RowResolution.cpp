#include "app/RowResolution.h"

#include "app/EntryIcons.h"
#include "platform/FileSystem.h"
#include "skin/TextFit.h"
#include "store/Entry.h"
#include "store/IconMemoryCache.h"
#include "text/PathText.h"

namespace qx {
namespace {

// The entry's info text holds the detail text and, for the computer folder's rows, the second
// detail behind this mark (no shell column text holds a tab once trimmed at both ends).
constexpr char kDetailMoreMark = '\t';

void KeepIcon(Entry& entry, LoadedIcon icon, IconMemoryCache* cache) {
    // Giving an icon clears the loaded mark: it is set after.
    if (cache && icon) cache->Give(entry, std::move(icon));
    entry.iconLoaded = true;
}

void ResolveShellRow(Entry& entry, const std::string& rowText, const RowSources& sources) {
    const std::optional<ShellViewItem> item = sources.shellItem ? sources.shellItem(rowText) : std::nullopt;
    LoadedIcon icon;
    if (item) {
        entry.isFolder = item->isFolder;
        if (sources.icons && !item->idListBytes.empty()) icon = sources.icons->IdListIcon(item->idListBytes, sources.iconSize);
    }
    entry.hasTarget = false;
    KeepIcon(entry, std::move(icon), sources.iconCache);
}

void ResolveFileRow(Entry& entry, const std::string& path, const RowSources& sources) {
    entry.isFolder = sources.files && sources.files->FolderExists(path);
    entry.hasTarget = false;
    KeepIcon(entry, sources.icons ? sources.icons->ShellIcon(path, sources.iconSize) : nullptr, sources.iconCache);
}

// The shell's detail columns: the computer folder shows column 3 and, behind it, column 2;
// network connections and printers column 2; every other folder column 1.
std::string ShellDetailText(const std::string& rowText, const RowSources& sources) {
    const FolderFlags& flags = sources.folderFlags;
    if (flags.networkFolder || !sources.shellItem || !sources.shellDetail) return {};
    const std::optional<ShellViewItem> item = sources.shellItem(rowText);
    if (!item) return {};
    const int column = flags.computerFolder ? 3 : flags.networkConnections || flags.printersAndFaxes ? 2 : 1;
    const std::optional<std::string> text = sources.shellDetail(*item, column);
    if (!text) return {};
    std::string detail = TrimBlanks(*text);
    if (flags.computerFolder) {
        const std::string more = TrimBlanks(sources.shellDetail(*item, 2).value_or(std::string()));
        if (!more.empty()) detail += kDetailMoreMark + (" / " + more);
    }
    return detail;
}

std::string FileSizeText(const std::string& path, const RowSources& sources) {
    if (!sources.files || !sources.files->FileExists(path)) return {};
    const std::optional<std::uint64_t> size = sources.files->FileSize(path);
    if (!size) return SizeText(FileSizeState::Unreadable, 0, sources.thousandsSeparator);
    // The column shows the size's low 32 bits, as the listing has always done.
    return SizeText(FileSizeState::Known, static_cast<std::uint32_t>(*size), sources.thousandsSeparator);
}

}  // namespace

RowToPaint ResolveRow(Entry& entry, const std::string& rowText, const RowSources& sources) {
    const std::string path = sources.folder + TrimBlanks(rowText);
    switch (sources.mode) {
    case ListMode::Entries:
        if (entry.Name().empty()) entry.SetText(EntryText::Name, rowText);
        if (sources.entryIcons) sources.entryIcons->Load(entry, false);
        break;
    case ListMode::ShellFolder:
        if (!entry.iconLoaded) ResolveShellRow(entry, rowText, sources);
        if (entry.infoText == kDetailUndetermined) entry.infoText = ShellDetailText(rowText, sources);
        break;
    case ListMode::FileFolder:
        if (!entry.iconLoaded) ResolveFileRow(entry, path, sources);
        if (entry.infoText == kDetailUndetermined) entry.infoText = FileSizeText(path, sources);
        break;
    }
    RowToPaint row;
    row.icon = entry.Icon();
    row.input.text = rowText;
    row.input.isFolder = entry.isFolder;
    row.input.hasTarget = entry.hasTarget;
    row.input.folderListing = entry.iconState == IconState::FolderListing;
    if (sources.mode != ListMode::Entries) {
        const std::size_t mark = entry.infoText.find(kDetailMoreMark);
        row.input.detailText = entry.infoText.substr(0, mark);
        if (mark != std::string::npos) row.input.detailMore = entry.infoText.substr(mark + 1);
    }
    return row;
}

}  // namespace qx
