#pragma once
#include <optional>
#include <string>

namespace qx {

// An item of the shell namespace named by a path of display names ("\Control Panel\Fonts").
struct NamespaceItem {
    bool isFolder = false;
    std::string fileSystemPath;  // empty when the item lives outside the file system
};

// What the shell says about files, folders and drives.
class IShellItems {
public:
    virtual ~IShellItems() = default;

    // The name Explorer shows for the path ("Local Disk (C:)" for "C:\"); empty when the
    // shell cannot tell.
    virtual std::string DisplayName(const std::string& path) const = 0;
    // Whether the shell lets the item be renamed; drive roots cannot be. Nothing when the
    // shell cannot tell.
    virtual std::optional<bool> CanRename(const std::string& path) const = 0;
    // The item a namespace path names; nothing when there is none.
    virtual std::optional<NamespaceItem> FindNamespaceItem(const std::string& path) const = 0;
};

}  // namespace qx
