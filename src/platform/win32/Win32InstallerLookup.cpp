#include "platform/win32/Win32InstallerLookup.h"

namespace qx {

namespace {

constexpr int kInstallStateLocal = 3;
constexpr DWORD kPathChars = 261;
// A GUID in braces and its terminator; the feature id has the same limit.
constexpr int kCodeChars = 39;

template <class Fn>
Fn Procedure(HMODULE module, const char* name) {
    // FARPROC is only a placeholder for the real signature; going through void* keeps the
    // compiler from warning about the cast between function types.
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace

Win32InstallerLookup::Win32InstallerLookup() : msi_(::LoadLibraryA("msi.dll")) {
    if (!msi_) return;
    getComponentPath_ = Procedure<GetComponentPathFn>(msi_.get(), "MsiGetComponentPathA");
    getShortcutTarget_ = Procedure<GetShortcutTargetFn>(msi_.get(), "MsiGetShortcutTargetA");
}

std::optional<std::string> Win32InstallerLookup::LocalComponentPath(const std::string& productCode,
                                                                    const std::string& componentCode) const {
    if (!Available()) return std::nullopt;
    char path[kPathChars] = {};
    DWORD chars = kPathChars;
    if (getComponentPath_(productCode.c_str(), componentCode.c_str(), path, &chars) != kInstallStateLocal) {
        return std::nullopt;
    }
    return std::string(path);
}

std::optional<AdvertisedShortcut> Win32InstallerLookup::ShortcutTarget(const std::string& linkPath) const {
    if (!Available()) return std::nullopt;
    char product[kCodeChars] = {};
    char feature[kCodeChars] = {};
    char component[kCodeChars] = {};
    if (getShortcutTarget_(linkPath.c_str(), product, feature, component) != ERROR_SUCCESS) return std::nullopt;
    return AdvertisedShortcut{product, feature, component};
}

}  // namespace qx
