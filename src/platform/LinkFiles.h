#pragma once
#include <optional>
#include <string>

namespace qx {

// What a shell link (".lnk") file stores, as the shell reads it.
struct LinkFileData {
    std::string arguments;
    std::string path;  // the stored target, never resolved
    std::string workingDirectory;
    int showCommand = 0;
    std::string idList;  // the target's ID list as raw bytes
    std::string description;
    std::string iconFile;
    int iconIndex = 0;
    int hotKey = 0;
};

// Reads shell link files through the shell.
class ILinkFiles {
public:
    virtual ~ILinkFiles() = default;
    // Nothing when the file is missing or is no shell link the shell can read.
    virtual std::optional<LinkFileData> Read(const std::string& path) const = 0;
};

}  // namespace qx
