#include "platform/Registry.h"

namespace qx {

std::string ReadRegistryString(const IRegistry& registry, RegistryRoot root, const std::string& path,
                               const std::string& name) {
    std::string value;
    if (const auto key = registry.OpenKey(root, path, kRegistryKeyRead, false)) {
        if (!key->ReadString(name, value)) value.clear();
    }
    return value;
}

}  // namespace qx
