#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Status.h"

namespace qx {

// The predefined roots, with the values the system gives their handles (menu items carry them
// as tags).
enum class RegistryRoot : std::uint32_t {
    ClassesRoot = 0x80000000u,
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
};

// Access masks as the system defines them.
inline constexpr std::uint32_t kRegistryKeyRead = 0x20019u;       // KEY_READ
inline constexpr std::uint32_t kRegistryKeyAllAccess = 0xF003Fu;  // KEY_ALL_ACCESS

// One open key; closed when destroyed. Value name "" is the key's default value.
class IRegistryKey {
public:
    virtual ~IRegistryKey() = default;

    virtual bool ValueExists(const std::string& name) const = 0;
    // A string value (plain or expandable, not expanded); false when it is missing or not text.
    virtual bool ReadString(const std::string& name, std::string& value) const = 0;
    virtual Status WriteString(const std::string& name, const std::string& value) = 0;
    virtual Status DeleteValue(const std::string& name) = 0;
};

// The registry. Key paths are relative to the root, parts separated by "\"; a leading "\" is
// ignored.
class IRegistry {
public:
    virtual ~IRegistry() = default;

    // Opens the key with the access mask, creating it (and missing parents) when create is set;
    // nullptr when it cannot be opened or created.
    virtual std::unique_ptr<IRegistryKey> OpenKey(RegistryRoot root, const std::string& path,
                                                  std::uint32_t access, bool create) const = 0;
};

// A string value read in one step; "" when the key or the value is missing.
std::string ReadRegistryString(const IRegistry& registry, RegistryRoot root, const std::string& path,
                               const std::string& name);

}  // namespace qx
