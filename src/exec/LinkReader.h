#pragma once
#include <optional>
#include <string>

#include "exec/ShellLink.h"

namespace qx {

class IFileSystem;
class IInstallerLookup;
class ILinkFiles;

// Reads link files by their extension: ".url" (any letter case) as an Internet shortcut from
// its text, anything else as a shell link through the shell, with what the installer knows
// about it when the link is an advertised one.
class LinkReader : public IShellLinkSource {
public:
    // installer: none when the system has no installer functions.
    LinkReader(const IFileSystem& files, const ILinkFiles& linkFiles, const IInstallerLookup* installer);

    std::optional<ShellLink> Load(const std::string& fileName) const override;
    // The stored target path; empty when the file is unreadable or an Internet shortcut.
    std::string GetLinkTarget(const std::string& fileName) const;

private:
    const IFileSystem& files_;
    const ILinkFiles& linkFiles_;
    const IInstallerLookup* installer_;
};

}  // namespace qx
