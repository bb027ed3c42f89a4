#pragma once
#include <functional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/IconSource.h"
#include "platform/SystemInfo.h"
#include "store/Entry.h"

namespace qx {

class EntryStore;

// Entry icons: loading them (from the icons folder, else from their source, then kept there as
// ".ico" files) and keeping those files in step with the entries. A file is named after the
// entry (see IconFileName), so it goes with the entry and moves when the entry is renamed.
// Windows commands have a fixed icon and no files. A missing file is simply skipped.
class EntryIcons {
public:
    // source may be null: entries then get no icons, but their files are still kept in step.
    EntryIcons(EntryStore& store, IFileSystem& fs, const ISystemInfo& system, const IIconSource* source,
               std::string defaultBrowser);
    EntryIcons(const EntryIcons&) = delete;
    EntryIcons& operator=(const EntryIcons&) = delete;

    // The list's icon size (16, 32 or 48) as the row metrics give it. Unset: 32.
    void SetIconSizeProbe(std::function<int()> probe) { iconSize_ = std::move(probe); }
    int CurrentSize() const { return iconSize_ ? iconSize_() : 32; }

    // Gives the entry its icon (through the store's IconMemoryCache), its folder flag and its
    // has-target flag; nothing when it was loaded before, unless forced.
    void Load(Entry& entry, bool force);

    // What an entry's icon file names are made of; empty for commands (they have none).
    std::string Key(const Entry& entry) const;
    void DeleteFiles(const Entry& entry);
    void DeleteFileOfCurrentSize(const Entry& entry);
    // The files of from get the names of to, size by size.
    void MoveFiles(const Entry& from, const Entry& to);
    // Gives the files named the way earlier versions did the current names.
    void RenameEarlierFiles(Entry& entry);
    // Every file of the icons folder ending in the current size + ".ico".
    void DeleteFilesOfCurrentSize();

private:
    LoadedIcon Fill(Entry& entry, const std::string& target, const std::string& key);
    LoadedIcon Extract(const Entry& entry, const std::string& target, int size) const;
    std::string Path(bool folder, const std::string& key, int size) const;

    EntryStore& store_;
    IFileSystem& fs_;
    const ISystemInfo& system_;
    const IIconSource* source_;
    std::string defaultBrowser_;
    std::string folder_;
    std::function<int()> iconSize_;
};

}  // namespace qx
