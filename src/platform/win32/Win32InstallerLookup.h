#pragma once
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Api.h"

#include "platform/InstallerLookup.h"

namespace qx {

// The Windows Installer through "msi.dll", loaded at run time: a system without it (or
// without either function) simply has no advertised shortcuts.
class Win32InstallerLookup : public IInstallerLookup {
public:
    Win32InstallerLookup();

    bool Available() const override { return getComponentPath_ != nullptr && getShortcutTarget_ != nullptr; }
    std::optional<std::string> LocalComponentPath(const std::string& productCode,
                                                  const std::string& componentCode) const override;
    std::optional<AdvertisedShortcut> ShortcutTarget(const std::string& linkPath) const override;

private:
    using GetComponentPathFn = int(WINAPI*)(LPCSTR product, LPCSTR component, LPSTR path, DWORD* pathChars);
    using GetShortcutTargetFn = UINT(WINAPI*)(LPCSTR shortcut, LPSTR product, LPSTR feature, LPSTR component);

    UniqueModule msi_;
    GetComponentPathFn getComponentPath_ = nullptr;
    GetShortcutTargetFn getShortcutTarget_ = nullptr;
};

}  // namespace qx
