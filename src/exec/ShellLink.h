#pragma once
#include <optional>
#include <string>

namespace qx {

// What the Windows Installer says about a link it made ("advertised": it has no ordinary
// target path, only the codes of the product and component behind it).
struct AdvertisedLink {
    bool isAdvertised = false;
    std::string productCode;
    std::string featureId;
    std::string componentCode;
    std::string componentPath;  // where the component lives, when installed on this machine
};

// One shell link (".lnk") or Internet shortcut (".url") read into plain fields. A link fills
// every field but url; an Internet shortcut fills url, workingDirectory, showCommand, iconFile,
// iconIndex and hotKey.
struct ShellLink {
    std::string arguments;
    std::string path;  // the stored target, not resolved
    std::string workingDirectory;
    int showCommand = 0;
    std::string idList;  // the target's shell ID list as raw bytes
    std::string description;
    std::string iconFile;
    int iconIndex = 0;
    int hotKey = 0;
    std::string url;
    AdvertisedLink advertised;
};

// Reads link files; what adding entries and folder browsing use.
class IShellLinkSource {
public:
    virtual ~IShellLinkSource() = default;
    // Nothing when the file cannot be read as a link (an Internet shortcut without an address
    // counts as unreadable).
    virtual std::optional<ShellLink> Load(const std::string& fileName) const = 0;
};

}  // namespace qx
