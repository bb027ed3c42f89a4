#include "exec/LinkReader.h"

#include "exec/InternetShortcut.h"
#include "platform/FileSystem.h"
#include "platform/InstallerLookup.h"
#include "platform/LinkFiles.h"

namespace qx {
namespace {

bool IsInternetShortcut(const std::string& fileName) {
    const std::size_t dot = fileName.find_last_of(".\\/:");
    if (dot == std::string::npos || fileName[dot] != '.') return false;
    std::string extension = fileName.substr(dot);
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return extension == ".url";
}

}  // namespace

LinkReader::LinkReader(const IFileSystem& files, const ILinkFiles& linkFiles, const IInstallerLookup* installer)
    : files_(files), linkFiles_(linkFiles), installer_(installer) {}

std::optional<ShellLink> LinkReader::Load(const std::string& fileName) const {
    if (IsInternetShortcut(fileName)) {
        std::string text;
        if (!files_.ReadSmallFile(fileName, kMaxInternetShortcutBytes, text)) return std::nullopt;
        return ParseInternetShortcut(text);
    }

    const std::optional<LinkFileData> stored = linkFiles_.Read(fileName);
    if (!stored) return std::nullopt;
    ShellLink link;
    link.arguments = stored->arguments;
    link.path = stored->path;
    link.workingDirectory = stored->workingDirectory;
    link.showCommand = stored->showCommand;
    link.idList = stored->idList;
    link.description = stored->description;
    link.iconFile = stored->iconFile;
    link.iconIndex = stored->iconIndex;
    link.hotKey = stored->hotKey;

    if (installer_ && installer_->Available()) {
        if (const std::optional<AdvertisedShortcut> codes = installer_->ShortcutTarget(fileName)) {
            link.advertised.isAdvertised = true;
            link.advertised.productCode = codes->productCode;
            link.advertised.featureId = codes->featureId;
            link.advertised.componentCode = codes->componentCode;
            link.advertised.componentPath =
                installer_->LocalComponentPath(codes->productCode, codes->componentCode).value_or("");
        }
    }
    return link;
}

std::string LinkReader::GetLinkTarget(const std::string& fileName) const {
    const std::optional<ShellLink> link = Load(fileName);
    return link ? link->path : std::string();
}

}  // namespace qx
