#pragma once
#include "platform/ShellItems.h"

namespace qx {

// Names and attributes from SHGetFileInfoA; namespace paths walked from the desktop folder.
class Win32ShellItems : public IShellItems {
public:
    std::string DisplayName(const std::string& path) const override;
    std::optional<bool> CanRename(const std::string& path) const override;
    std::optional<NamespaceItem> FindNamespaceItem(const std::string& path) const override;
};

}  // namespace qx
