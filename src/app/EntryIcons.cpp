#include "app/EntryIcons.h"

#include <cctype>

#include "exec/IdListText.h"
#include "exec/LaunchText.h"
#include "store/EntryStore.h"
#include "store/IconFileNames.h"
#include "text/CaseFold.h"

namespace qx {
namespace {

bool IsDrive(std::string_view path) {
    return (path.size() == 2 || (path.size() == 3 && path[2] == '\\')) &&
           std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

// "\" followed by display names; "\\" begins a network path instead.
bool IsNamespacePath(std::string_view path) { return path.size() > 1 && path[0] == '\\' && path[1] != '\\'; }

bool EndsWithNoCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && SameText(text.substr(text.size() - end.size()), end);
}

}  // namespace

EntryIcons::EntryIcons(EntryStore& store, IFileSystem& fs, const ISystemInfo& system, const IIconSource* source,
                       std::string defaultBrowser)
    : store_(store),
      fs_(fs),
      system_(system),
      source_(source),
      defaultBrowser_(std::move(defaultBrowser)),
      folder_(store.Folders().iconsFolder) {}

std::string EntryIcons::Key(const Entry& entry) const {
    if (IsCommandEntry(entry.Name())) return {};
    if (IsUrlEntry(entry.Name())) return SafeName(defaultBrowser_);
    return store_.ResolveEntryPath(entry.Name(), false);
}

std::string EntryIcons::Path(bool folder, const std::string& key, int size) const {
    return folder_ + IconFileName(folder, key, size);
}

void EntryIcons::Load(Entry& entry, bool force) {
    if (entry.iconLoaded && !force) return;
    const std::string_view name = entry.Name();
    LoadedIcon icon;
    if (IsUrlEntry(name)) {
        entry.iconState = IconState::Url;
        icon = Fill(entry, store_.ResolveEntryPath(defaultBrowser_, true), Key(entry));
        entry.hasTarget = true;
        entry.isFolder = false;
    } else if (IsCommandEntry(name)) {
        entry.iconState = IconState::Command;
        if (source_) icon = source_->CommandIcon(CurrentSize());
        entry.hasTarget = true;
        entry.isFolder = false;
    } else {
        entry.iconState = IconState::File;
        icon = Fill(entry, store_.ResolveEntryPath(entry.Value(), true), Key(entry));
        entry.hasTarget = !entry.Value().empty();
    }
    // Giving an icon replaces the one held before, which clears the loaded mark: set it after.
    if (icon) store_.IconCache().Give(entry, std::move(icon));
    else store_.IconCache().Release(entry);
    entry.iconLoaded = true;
}

LoadedIcon EntryIcons::Fill(Entry& entry, const std::string& target, const std::string& key) {
    if (key.empty()) return nullptr;
    const int size = CurrentSize();
    for (const bool folder : {true, false}) {
        const std::string path = Path(folder, key, size);
        if (!fs_.FileExists(path)) continue;
        entry.isFolder = folder;
        // A damaged file is made anew from the icon's source below.
        if (LoadedIcon icon = source_ ? source_->LoadIconFile(path, size) : nullptr) return icon;
        break;
    }
    LoadedIcon icon;
    std::optional<bool> item;
    if (source_ && IsNamespacePath(target)) item = source_->ShellItemIsFolder(target);
    if (item) {
        entry.isFolder = *item;
        if (entry.IconPath().empty()) icon = source_->ShellItemIcon(target, size);
    } else if (!IsUrlEntry(entry.Name())) {
        entry.isFolder = (!target.empty() && target.back() == '\\') || IsDrive(target) || fs_.FolderExists(target);
    }
    if (!icon && source_) icon = Extract(entry, target, size);
    if (!icon) return nullptr;
    // Written whole or not at all: a failed write leaves no file, and the next load tries again.
    const std::string bytes = source_->IconFileBytes(icon);
    if (!bytes.empty() && fs_.CreateFolder(folder_)) (void)fs_.WriteFileAtomic(Path(entry.isFolder, key, size), bytes);
    return icon;
}

LoadedIcon EntryIcons::Extract(const Entry& entry, const std::string& target, int size) const {
    if (!entry.IconPath().empty()) {
        const std::string file = system_.ExpandEnvironmentStrings(std::string(entry.IconPath()));
        if (LoadedIcon icon = source_->ExtractFileIcon(file, entry.iconIndex, size)) return icon;
        return source_->ShellIcon(file, size);
    }
    if (!target.empty()) return source_->ShellIcon(target, size);
    const std::string idList = TextToIdList(entry.IdList());
    if (!idList.empty()) return source_->IdListIcon(idList, size);
    return nullptr;
}

void EntryIcons::DeleteFiles(const Entry& entry) {
    const std::string key = Key(entry);
    if (key.empty()) return;
    for (const int size : kIconFileSizes)
        for (const bool folder : {true, false}) (void)fs_.DeleteFile(Path(folder, key, size));
}

void EntryIcons::DeleteFileOfCurrentSize(const Entry& entry) {
    const std::string key = Key(entry);
    if (key.empty()) return;
    for (const bool folder : {true, false}) (void)fs_.DeleteFile(Path(folder, key, CurrentSize()));
}

void EntryIcons::MoveFiles(const Entry& from, const Entry& to) {
    const std::string oldKey = Key(from);
    const std::string newKey = Key(to);
    if (oldKey.empty() || newKey.empty() || oldKey == newKey) return;
    for (const int size : kIconFileSizes) {
        for (const bool folder : {true, false}) {
            const std::string oldPath = Path(folder, oldKey, size);
            if (fs_.FileExists(oldPath)) (void)fs_.RenameFile(oldPath, Path(folder, newKey, size));
        }
    }
}

void EntryIcons::RenameEarlierFiles(Entry& entry) {
    const std::string key = Key(entry);
    if (key.empty() || IsUrlEntry(entry.Name())) return;
    const std::string source =
        EarlierIconSource(entry.IconPath(), entry.Name(), store_.ResolveEntryPath(entry.Value(), true), entry.Value(),
                          entry.IdList());
    for (const int size : kIconFileSizes) {
        for (const bool folder : {true, false}) {
            const std::string earlier = folder_ + EarlierIconFileName(folder, source, size, entry.iconIndex);
            if (!fs_.FileExists(earlier)) continue;
            entry.isFolder = folder;
            (void)fs_.RenameFile(earlier, Path(folder, key, size));
            break;
        }
    }
}

void EntryIcons::DeleteFilesOfCurrentSize() {
    const std::string end = std::to_string(CurrentSize()) + ".ico";
    for (const std::string& name : fs_.ListFiles(folder_))
        if (EndsWithNoCase(name, end)) (void)fs_.DeleteFile(folder_ + name);
}

}  // namespace qx
