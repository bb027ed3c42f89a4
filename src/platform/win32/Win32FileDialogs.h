#pragma once
#include "platform/win32/Win32Api.h"

#include "platform/FileDialogs.h"

namespace qx {

// The common open-file dialog (several files, links returned as the link files themselves)
// the shell's folder picker and a picker of one bitmap file, all owned by the main window once it exists.
class Win32FileDialogs : public IFileDialogs {
public:
    void SetOwner(HWND owner) { owner_ = owner; }

    std::vector<std::string> ChooseFiles() override;
    std::optional<std::string> ChooseFolder() override;
    std::optional<std::string> ChooseBitmap() override;

private:
    HWND owner_ = nullptr;
};

}  // namespace qx
