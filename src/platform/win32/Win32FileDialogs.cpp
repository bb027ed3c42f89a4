#include "platform/win32/Win32FileDialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstring>

#include "platform/win32/UniqueHandle.h"

namespace qx {
namespace {

// Room for some thousand chosen files; the dialog refuses a choice that does not fit.
constexpr DWORD kFileBufferSize = 256 * 1024;

}  // namespace

std::vector<std::string> Win32FileDialogs::ChooseFiles() {
    std::string buffer(kFileBufferSize, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = "*.*\0*.*\0";
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = kFileBufferSize;
    // Without NODEREFERENCELINKS a chosen link would come back as its target.
    dialog.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                   OFN_NODEREFERENCELINKS | OFN_HIDEREADONLY;
    if (!::GetOpenFileNameA(&dialog)) return {};

    // One file: its full path. Several: the folder, then each name, all ended by a zero byte.
    std::vector<std::string> names;
    for (const char* at = buffer.c_str(); *at; at += std::strlen(at) + 1) names.emplace_back(at);
    if (names.size() <= 1) return names;
    std::string folder = names.front();
    if (!folder.ends_with('\\')) folder.push_back('\\');
    std::vector<std::string> files;
    for (size_t i = 1; i < names.size(); ++i) files.push_back(folder + names[i]);
    return files;
}

std::optional<std::string> Win32FileDialogs::ChooseFolder() {
    // The resizable picker with its edit field needs COM in this thread.
    ComInitializer com;
    BROWSEINFOA browse{};
    browse.hwndOwner = owner_;
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    const UniqueIdList chosen(::SHBrowseForFolderA(&browse));
    if (!chosen) return std::nullopt;
    char path[MAX_PATH] = {};
    if (!::SHGetPathFromIDListA(chosen.get(), path)) return std::nullopt;
    return std::string(path);
}

std::optional<std::string> Win32FileDialogs::ChooseBitmap() {
    char path[MAX_PATH] = {};
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = "Bitmaps (*.bmp)\0*.bmp\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!::GetOpenFileNameA(&dialog)) return std::nullopt;
    return std::string(path);
}

}  // namespace qx
