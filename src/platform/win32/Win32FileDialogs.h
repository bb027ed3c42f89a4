#pragma once
#include "platform/win32/Win32Api.h"

#include "platform/FileDialogs.h"

namespace qx {

// The common open-file dialog (several files, links returned as the link files themselves)
// and the shell's folder picker, both owned by the main window once it exists.
class Win32FileDialogs : public IFileDialogs {
public:
    void SetOwner(HWND owner) { owner_ = owner; }

    std::vector<std::string> ChooseFiles() override;
    std::optional<std::string> ChooseFolder() override;

private:
    HWND owner_ = nullptr;
};

}  // namespace qx
