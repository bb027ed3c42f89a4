#pragma once
#include <memory>
#include <optional>
#include <string>

namespace qx {

// A loaded icon; its deleter frees the OS handle. Empty when there is none.
using LoadedIcon = std::shared_ptr<void>;

// Where entry icons come from and how they are kept as ".ico" files. Sizes are in pixels.
class IIconSource {
public:
    virtual ~IIconSource() = default;

    // Icon number index of an icon file, program or library.
    virtual LoadedIcon ExtractFileIcon(const std::string& file, int index, int size) const = 0;
    // The icon the shell shows for a file or folder.
    virtual LoadedIcon ShellIcon(const std::string& path, int size) const = 0;
    // The shell's icon for a binary ID list.
    virtual LoadedIcon IdListIcon(const std::string& idListBytes, int size) const = 0;
    // The fixed icon of Windows command entries.
    virtual LoadedIcon CommandIcon(int size) const = 0;
    // A shell-namespace path ("\" and display names, as folder browsing shows them): whether it
    // names a folder; nothing when no such item exists.
    virtual std::optional<bool> ShellItemIsFolder(const std::string& path) const = 0;
    virtual LoadedIcon ShellItemIcon(const std::string& path, int size) const = 0;

    // An ".ico" file's icon at that size.
    virtual LoadedIcon LoadIconFile(const std::string& path, int size) const = 0;
    // The bytes of an ".ico" file holding the icon (32 bits per pixel with alpha); empty when
    // the icon cannot be read back.
    virtual std::string IconFileBytes(const LoadedIcon& icon) const = 0;
};

}  // namespace qx
