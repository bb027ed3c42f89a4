#pragma once
#include "platform/win32/Win32Api.h"

#include "platform/IconSource.h"

namespace qx {

// Icons through the shell and user32: extraction, the shell's file and item icons, ".ico"
// files both ways. Every icon handed out is owned by its LoadedIcon.
class Win32IconSource : public IIconSource {
public:
    LoadedIcon ExtractFileIcon(const std::string& file, int index, int size) const override;
    LoadedIcon ShellIcon(const std::string& path, int size) const override;
    LoadedIcon IdListIcon(const std::string& idListBytes, int size) const override;
    LoadedIcon CommandIcon(int size) const override;
    std::optional<bool> ShellItemIsFolder(const std::string& path) const override;
    LoadedIcon ShellItemIcon(const std::string& path, int size) const override;
    LoadedIcon LoadIconFile(const std::string& path, int size) const override;
    std::string IconFileBytes(const LoadedIcon& icon) const override;
};

}  // namespace qx
