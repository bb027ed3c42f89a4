#pragma once
#include <optional>
#include <string>

namespace qx {

// The installer codes behind an advertised shortcut.
struct AdvertisedShortcut {
    std::string productCode;
    std::string featureId;
    std::string componentCode;
};

// The Windows Installer, when the system has it: where an installed component lives and
// which component an advertised shortcut stands for.
class IInstallerLookup {
public:
    virtual ~IInstallerLookup() = default;

    // False when the installer library or its functions are missing; every look-up then
    // answers nothing.
    virtual bool Available() const = 0;
    // The component's path, only when it is installed on this machine.
    virtual std::optional<std::string> LocalComponentPath(const std::string& productCode,
                                                          const std::string& componentCode) const = 0;
    virtual std::optional<AdvertisedShortcut> ShortcutTarget(const std::string& linkPath) const = 0;
};

}  // namespace qx
