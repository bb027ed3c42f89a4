#include "app/SettingsFile.h"

#include <utility>
#include <vector>

#include "store/ListFile.h"

namespace qx {

SettingsFile::SettingsFile(IFileSystem& files, IMessageBoxes& boxes, std::string path)
    : files_(files), boxes_(boxes), path_(std::move(path)) {}

StoredSettings SettingsFile::Load() {
    std::vector<std::string> lines;
    if (files_.FileExists(path_) && !LoadListFile(lines, path_, files_, boxes_)) {
        overwriteBlocked_ = true;
        return {};
    }
    return ReadSettingsFrom(lines);
}

bool SettingsFile::Save(const Settings& settings) {
    overwriteBlocked_ = false;
    return SaveListFile(FormatSettings(settings), path_, files_, boxes_);
}

}  // namespace qx
