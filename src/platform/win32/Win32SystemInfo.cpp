#include "platform/win32/Win32SystemInfo.h"

#include "platform/win32/Win32Api.h"
#include <shellapi.h>
#include <shlobj.h>
#include <commoncontrols.h>

#include <cstring>

#include "platform/win32/UniqueHandle.h"

namespace qx {
namespace {

int CsidlOf(ShellRoot root) {
    switch (root) {
        case ShellRoot::RecycleBin: return CSIDL_BITBUCKET;
        case ShellRoot::MyComputer: return CSIDL_DRIVES;
        case ShellRoot::ControlPanel: return CSIDL_CONTROLS;
        case ShellRoot::Network: return CSIDL_NETWORK;
    }
    return -1;
}

}  // namespace

std::string Win32SystemInfo::ExpandEnvironmentStrings(const std::string& text) const {
    std::string result(text.size() + 256, '\0');
    while (true) {
        // The ANSI call may ask for more than it finally writes, so the size is only a hint.
        const DWORD needed = ::ExpandEnvironmentStringsA(text.c_str(), result.data(), static_cast<DWORD>(result.size()));
        if (needed == 0) return text;
        if (needed <= result.size()) {
            result.resize(std::strlen(result.c_str()));
            return result;
        }
        result.assign(needed, '\0');
    }
}

int Win32SystemInfo::WindowsVersionNumber() const {
    static const int number = [] {
        const DWORD version = ::GetVersion();
        return static_cast<int>(LOBYTE(LOWORD(version))) * 100 + static_cast<int>(HIBYTE(LOWORD(version)));
    }();
    return number;
}

std::string Win32SystemInfo::ShellRootDisplayName(ShellRoot root) const {
    UniqueIdList idList;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, CsidlOf(root), idList.put())) || !idList) return {};
    SHFILEINFOA info{};
    if (!::SHGetFileInfoA(reinterpret_cast<LPCSTR>(idList.get()), 0, &info, sizeof info, SHGFI_PIDL | SHGFI_DISPLAYNAME))
        return {};
    std::string name = info.szDisplayName;
    while (!name.empty() && name.back() == '\\') name.pop_back();
    return name;
}

ScreenDpi Win32SystemInfo::PixelsPerInch() const {
    WindowDc screen(nullptr);
    if (!screen) return {};
    return {GetDeviceCaps(screen.get(), LOGPIXELSX), GetDeviceCaps(screen.get(), LOGPIXELSY)};
}

int Win32SystemInfo::LargeShellIconSize() const {
    ComPtr<IImageList> list;
    int width = 0;
    int height = 0;
    if (SUCCEEDED(SHGetImageList(SHIL_LARGE, __uuidof(IImageList), list.putVoid())) && list &&
        SUCCEEDED(list->GetIconSize(&width, &height)) && width > 0)
        return width;
    return GetSystemMetrics(SM_CXICON);
}

}  // namespace qx
