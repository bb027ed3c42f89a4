#pragma once
#include <cctype>
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
                                          bool create) const override {
        const bool writing = (access & ~kRegistryKeyRead) != 0;
        if (writing && writeDenied.count(root) != 0) return nullptr;
        const KeyId id = Id(root, path);
        if (keys.count(id) == 0 && !create) return nullptr;
        keys[id];
        return std::make_unique<Key>(*this, id, writing);
    }

    // Test set-up and inspection; SetValue creates the key.
    void SetValue(RegistryRoot root, const std::string& path, const std::string& name, const std::string& data) {
        keys[Id(root, path)][Lower(name)] = data;
    }
    void AddKey(RegistryRoot root, const std::string& path) { keys[Id(root, path)]; }
    bool HasKey(RegistryRoot root, const std::string& path) const { return keys.count(Id(root, path)) != 0; }
    bool HasValue(RegistryRoot root, const std::string& path, const std::string& name) const {
        return Find(Id(root, path), name) != nullptr;
    }
    std::string Value(RegistryRoot root, const std::string& path, const std::string& name) const {
        const std::string* value = Find(Id(root, path), name);
        return value != nullptr ? *value : std::string();
    }

    std::set<RegistryRoot> writeDenied;  // opening with more than read access fails
    bool failWrites = false;
    bool failDeletes = false;
    mutable int openKeys = 0;  // keys not yet closed
    mutable std::map<KeyId, Values> keys;

private:
    class Key : public IRegistryKey {
    public:
        Key(const FakeRegistry& owner, KeyId id, bool writable)
            : owner_(owner), id_(std::move(id)), writable_(writable) {
            ++owner_.openKeys;
        }
        ~Key() override { --owner_.openKeys; }
        bool ValueExists(const std::string& name) const override { return owner_.Find(id_, name) != nullptr; }
        bool ReadString(const std::string& name, std::string& value) const override {
            const std::string* found = owner_.Find(id_, name);
            if (found != nullptr) value = *found;
            return found != nullptr;
        }
        Status WriteString(const std::string& name, const std::string& value) override {
            if (!writable_) return Status::Fail("Access is denied.");
            if (owner_.failWrites) return Status::Fail("The write failed.");
            owner_.keys[id_][Lower(name)] = value;
            return Status::Ok();
        }
        Status DeleteValue(const std::string& name) override {
            if (!writable_) return Status::Fail("Access is denied.");
            if (owner_.failDeletes) return Status::Fail("The delete failed.");
            if (owner_.Find(id_, name) == nullptr) return Status::Fail("The system cannot find the file specified.");
            owner_.keys[id_].erase(Lower(name));
            return Status::Ok();
        }

    private:
        const FakeRegistry& owner_;
        KeyId id_;
        bool writable_;
    };

    static std::string Lower(std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }
    static KeyId Id(RegistryRoot root, const std::string& path) {
        std::string p = Lower(path);
        while (!p.empty() && p.front() == '\\') p.erase(0, 1);
        while (!p.empty() && p.back() == '\\') p.pop_back();
        return {root, p};
    }
    const std::string* Find(const KeyId& id, const std::string& name) const {
        const auto key = keys.find(id);
        if (key == keys.end()) return nullptr;
        const auto value = key->second.find(Lower(name));
        return value != key->second.end() ? &value->second : nullptr;
    }
};

}  // namespace qx::test
