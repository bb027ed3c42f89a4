#include "fakes/FakeRegistry.h"

#include <cctype>

namespace qx::test {
namespace {

class FakeKey : public IRegistryKey {
public:
    FakeKey(const FakeRegistry& owner, FakeRegistry::KeyId id, bool writable)
        : owner_(owner), id_(std::move(id)), writable_(writable) {
        ++owner_.openKeys;
    }
    ~FakeKey() override { --owner_.openKeys; }

    bool ValueExists(const std::string& name) const override {
        const auto key = owner_.keys.find(id_);
        return key != owner_.keys.end() && key->second.count(FakeRegistry::Lower(name)) != 0;
    }
    bool ReadString(const std::string& name, std::string& value) const override {
        const auto key = owner_.keys.find(id_);
        if (key == owner_.keys.end()) return false;
        const auto found = key->second.find(FakeRegistry::Lower(name));
        if (found == key->second.end()) return false;
        value = found->second;
        return true;
    }
    Status WriteString(const std::string& name, const std::string& value) override {
        if (!writable_) return Status::Fail("Access is denied.");
        if (owner_.failWrites) return Status::Fail("The write failed.");
        owner_.keys[id_][FakeRegistry::Lower(name)] = value;
        return Status::Ok();
    }
    Status DeleteValue(const std::string& name) override {
        if (!writable_) return Status::Fail("Access is denied.");
        if (owner_.failDeletes) return Status::Fail("The delete failed.");
        const auto key = owner_.keys.find(id_);
        if (key == owner_.keys.end() || key->second.erase(FakeRegistry::Lower(name)) == 0)
            return Status::Fail("The system cannot find the file specified.");
        return Status::Ok();
    }

private:
    const FakeRegistry& owner_;
    FakeRegistry::KeyId id_;
    bool writable_;
};

}  // namespace

std::string FakeRegistry::Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

FakeRegistry::KeyId FakeRegistry::Id(RegistryRoot root, const std::string& path) {
    std::string p = Lower(path);
    while (!p.empty() && p.front() == '\\') p.erase(0, 1);
    while (!p.empty() && p.back() == '\\') p.pop_back();
    return {root, p};
}

std::unique_ptr<IRegistryKey> FakeRegistry::OpenKey(RegistryRoot root, const std::string& path, std::uint32_t access,
                                                    bool create) const {
    ++openCount;
    const bool writing = (access & ~kRegistryKeyRead) != 0;
    if (writing && writeDenied.count(root) != 0) return nullptr;
    const KeyId id = Id(root, path);
    if (keys.count(id) == 0) {
        if (!create) return nullptr;
        keys[id];
    }
    return std::make_unique<FakeKey>(*this, id, writing);
}

void FakeRegistry::SetValue(RegistryRoot root, const std::string& path, const std::string& name,
                            const std::string& data) {
    keys[Id(root, path)][Lower(name)] = data;
}

void FakeRegistry::AddKey(RegistryRoot root, const std::string& path) { keys[Id(root, path)]; }

bool FakeRegistry::HasKey(RegistryRoot root, const std::string& path) const { return keys.count(Id(root, path)) != 0; }

bool FakeRegistry::HasValue(RegistryRoot root, const std::string& path, const std::string& name) const {
    const auto key = keys.find(Id(root, path));
    return key != keys.end() && key->second.count(Lower(name)) != 0;
}

std::string FakeRegistry::Value(RegistryRoot root, const std::string& path, const std::string& name) const {
    const auto key = keys.find(Id(root, path));
    if (key == keys.end()) return {};
    const auto found = key->second.find(Lower(name));
    return found == key->second.end() ? std::string() : found->second;
}

}  // namespace qx::test
