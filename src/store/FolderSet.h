#pragma once
#include <string>

namespace qx {

// The program's folders, computed once at start-up. Every folder ends in a backslash.
struct FolderSet {
    std::string exePath;
    std::string programFolder;
    std::string dataFolder;
    std::string skinsFolder;
    std::string standardEntriesFolder;
    std::string iconsFolder;
    std::string arrowsFolder;
    std::string importFiltersFolder;
    std::string tempLinksFolder;
};

// exePath: the running executable's full path; homePath: "%HOMEDRIVE%%HOMEPATH%" expanded.
FolderSet ComputeFolderSet(const std::string& exePath, const std::string& homePath);

// The shell's display names of the namespace roots, each with a trailing backslash.
struct ShellRootNames {
    std::string recycleBin;
    std::string myComputer;
    std::string controlPanel;
    std::string network;
};

}  // namespace qx
