#include "platform/win32/Win32ShellItems.h"

#include "platform/win32/Win32Api.h"
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <vector>

#include "platform/win32/UniqueHandle.h"

namespace qx {
namespace {

std::string NameOf(IShellFolder& folder, LPCITEMIDLIST child, SHGDNF kind) {
    STRRET name{};
    if (FAILED(folder.GetDisplayNameOf(child, kind, &name))) return {};
    char text[MAX_PATH] = {};
    // Frees the text the folder may have allocated for the name.
    if (FAILED(::StrRetToBufA(&name, child, text, MAX_PATH))) return {};
    return text;
}

// The child of folder that the shell shows under this name.
UniqueIdList FindChild(IShellFolder& folder, const std::string& name) {
    ComPtr<IEnumIDList> children;
    const SHCONTF kinds = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;
    if (folder.EnumObjects(nullptr, kinds, children.put()) != S_OK || !children) return {};
    UniqueIdList child;
    while (children->Next(1, child.put(), nullptr) == S_OK) {
        if (::lstrcmpiA(NameOf(folder, child.get(), SHGDN_INFOLDER).c_str(), name.c_str()) == 0) return child;
    }
    return {};
}

}  // namespace

std::string Win32ShellItems::DisplayName(const std::string& path) const {
    SHFILEINFOA info{};
    if (!::SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME)) return {};
    return info.szDisplayName;
}

std::optional<bool> Win32ShellItems::CanRename(const std::string& path) const {
    SHFILEINFOA info{};
    if (!::SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ATTRIBUTES)) return std::nullopt;
    return (info.dwAttributes & SFGAO_CANRENAME) != 0;
}

std::optional<NamespaceItem> Win32ShellItems::FindNamespaceItem(const std::string& path) const {
    std::vector<std::string> names;
    for (size_t begin = 1; begin <= path.size();) {
        size_t end = path.find('\\', begin);
        if (end == std::string::npos) end = path.size();
        if (end > begin) names.push_back(path.substr(begin, end - begin));
        begin = end + 1;
    }
    if (names.empty()) return std::nullopt;

    ComInitializer com;
    ComPtr<IShellFolder> folder;
    if (FAILED(::SHGetDesktopFolder(folder.put()))) return std::nullopt;
    for (size_t i = 0; i < names.size(); ++i) {
        UniqueIdList child = FindChild(*folder.get(), names[i]);
        if (!child) return std::nullopt;
        LPCITEMIDLIST item = child.get();
        if (i + 1 == names.size()) {
            SFGAOF attributes = SFGAO_FOLDER | SFGAO_FILESYSTEM;
            if (FAILED(folder->GetAttributesOf(1, &item, &attributes))) return std::nullopt;
            NamespaceItem found;
            found.isFolder = (attributes & SFGAO_FOLDER) != 0;
            if (attributes & SFGAO_FILESYSTEM) found.fileSystemPath = NameOf(*folder.get(), item, SHGDN_FORPARSING);
            return found;
        }
        ComPtr<IShellFolder> inner;
        if (FAILED(folder->BindToObject(item, nullptr, IID_IShellFolder, inner.putVoid()))) return std::nullopt;
        folder = std::move(inner);
    }
    return std::nullopt;
}

}  // namespace qx
