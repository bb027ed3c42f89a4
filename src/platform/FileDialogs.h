#pragma once
#include <optional>
#include <string>
#include <vector>

namespace qx {

// The system's pickers for files and folders.
class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;

    // The chosen files as full paths, in the order the dialog lists them; empty when cancelled.
    virtual std::vector<std::string> ChooseFiles() = 0;
    // The chosen folder as the picker returns it (a drive root keeps its backslash, others
    // have none); nothing when cancelled.
    virtual std::optional<std::string> ChooseFolder() = 0;
    // One existing bitmap file ("Bitmaps (*.bmp)"), as a full path; nothing when cancelled.
    virtual std::optional<std::string> ChooseBitmap() = 0;
};

}  // namespace qx
