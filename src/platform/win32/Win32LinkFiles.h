#pragma once
#include "platform/LinkFiles.h"

namespace qx {

// Shell links read through the shell's link object (IShellLinkA with IPersistFile). A link is
// never resolved: one whose target moved yields the path it stores.
class Win32LinkFiles : public ILinkFiles {
public:
    std::optional<LinkFileData> Read(const std::string& path) const override;
};

}  // namespace qx
