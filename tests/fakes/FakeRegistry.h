#pragma once
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "platform/Registry.h"

namespace qx::test {

// Keys and string values in memory, names compared case-insensitively as the system does.
// Faults: roots refused for writing (no administrative rights), failing value writes and deletes.
class FakeRegistry : public IRegistry {
public:
    using Values = std::map<std::string, std::string>;  // lower-cased value name -> data
    using KeyId = std::pair<RegistryRoot, std::string>; // root, lower-cased path without edge "\"

    std::unique_ptr<IRegistryKey> OpenKey(RegistryRoot root, const std::string& path, std::uint32_t access,
                                          bool create) const override;

    // Test set-up and inspection; SetValue creates the key.
    void SetValue(RegistryRoot root, const std::string& path, const std::string& name, const std::string& data);
    void AddKey(RegistryRoot root, const std::string& path);
    bool HasValue(RegistryRoot root, const std::string& path, const std::string& name) const;
    std::string Value(RegistryRoot root, const std::string& path, const std::string& name) const;
    bool HasKey(RegistryRoot root, const std::string& path) const;

    std::set<RegistryRoot> writeDenied;  // opening with more than read access fails
    bool failWrites = false;
    bool failDeletes = false;
    mutable int openCount = 0;
    mutable int openKeys = 0;  // keys not yet closed

    mutable std::map<KeyId, Values> keys;

    static KeyId Id(RegistryRoot root, const std::string& path);
    static std::string Lower(std::string text);
};

}  // namespace qx::test
