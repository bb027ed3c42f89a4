#include "platform/win32/Win32Resources.h"

namespace qx {

std::optional<std::string> Win32Resources::BitmapResource(int id) const {
    const HMODULE module = module_ ? module_ : GetModuleHandleA(nullptr);
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (!found) return std::nullopt;
    // Resources live as long as the module; there is nothing to free.
    const HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return std::nullopt;
    return std::string(static_cast<const char*>(bytes), size);
}

}  // namespace qx
