#include "store/FolderSet.h"

namespace qx {

FolderSet ComputeFolderSet(const std::string& exePath, const std::string& homePath) {
    FolderSet folders;
    folders.exePath = exePath;
    const auto cut = exePath.find_last_of('\\');
    folders.programFolder = cut == std::string::npos ? std::string(".\\") : exePath.substr(0, cut + 1);
    folders.dataFolder = folders.programFolder + "Quillox-Data\\";
    folders.skinsFolder = folders.dataFolder + "Skins\\";
    folders.standardEntriesFolder = folders.dataFolder + "Standard-Entrys\\";
    folders.tempLinksFolder = homePath + "\\QuilloxTmpLinks\\";
    folders.iconsFolder = folders.dataFolder + "Icons\\";
    folders.arrowsFolder = folders.dataFolder + "Arrows\\";
    folders.importFiltersFolder = folders.dataFolder + "ImportFilters\\";
    return folders;
}

}  // namespace qx
