#include "store/SettingsFile.h"

#include <utility>
#include <vector>

#include "store/ListFile.h"

namespace qx {

SettingsFile::SettingsFile(IFileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

Status SettingsFile::Load(StoredSettings& stored) {
    std::vector<std::string> lines;
    if (files_.FileExists(path_)) {
        Status status = LoadListFile(lines, path_, files_);
        if (!status) {
            overwriteBlocked_ = true;
            stored = {};
            return status;
        }
    }
    stored = ReadSettingsFrom(lines);
    return Status::Ok();
}

Status SettingsFile::Save(const Settings& settings) {
    overwriteBlocked_ = false;
    return SaveListFile(FormatSettings(settings), path_, files_);
}

}  // namespace qx
