#pragma once
#include "platform/win32/Win32Api.h"

#include "platform/Registry.h"
#include "platform/win32/UniqueHandle.h"

namespace qx {

struct RegistryKeyTraits {
    using Handle = HKEY;
    static Handle Empty() noexcept { return nullptr; }
    static bool IsValid(Handle h) noexcept { return h != nullptr; }
    static void Close(Handle h) noexcept { ::RegCloseKey(h); }
};
using UniqueRegistryKey = UniqueHandle<RegistryKeyTraits>;

// IRegistry on the ANSI registry functions.
class Win32Registry : public IRegistry {
public:
    std::unique_ptr<IRegistryKey> OpenKey(RegistryRoot root, const std::string& path, std::uint32_t access,
                                          bool create) const override;
};

}  // namespace qx
