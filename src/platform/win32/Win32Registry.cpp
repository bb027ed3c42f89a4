#include "platform/win32/Win32Registry.h"

#include <utility>

#include "platform/win32/SystemErrorText.h"

namespace qx {
namespace {

HKEY RootHandle(RegistryRoot root) {
    // The predefined handles are these very numbers, sign-extended on 64-bit systems.
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(static_cast<std::uint32_t>(root))));
}

class Win32RegistryKey : public IRegistryKey {
public:
    explicit Win32RegistryKey(UniqueRegistryKey key) : key_(std::move(key)) {}

    bool ValueExists(const std::string& name) const override {
        return ::RegQueryValueExA(key_.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    }

    bool ReadString(const std::string& name, std::string& value) const override {
        DWORD type = 0;
        DWORD size = 0;
        if (::RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
        if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
        // The value may grow between the two calls; ask again with the size reported.
        for (int attempt = 0; attempt < 4; ++attempt) {
            std::string buffer(size, '\0');
            const LONG result = ::RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type,
                                                   reinterpret_cast<BYTE*>(buffer.data()), &size);
            if (result == ERROR_MORE_DATA) continue;
            if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
            buffer.resize(size);
            // Stored strings normally end with a NUL, but nothing forces that.
            const std::size_t end = buffer.find('\0');
            if (end != std::string::npos) buffer.resize(end);
            value = std::move(buffer);
            return true;
        }
        return false;
    }

    Status WriteString(const std::string& name, const std::string& value) override {
        const LONG result = ::RegSetValueExA(key_.get(), name.c_str(), 0, REG_SZ,
                                             reinterpret_cast<const BYTE*>(value.c_str()),
                                             static_cast<DWORD>(value.size() + 1));
        return result == ERROR_SUCCESS ? Status::Ok() : Status::Fail(SystemErrorText(static_cast<unsigned long>(result)));
    }

    Status DeleteValue(const std::string& name) override {
        const LONG result = ::RegDeleteValueA(key_.get(), name.c_str());
        return result == ERROR_SUCCESS ? Status::Ok() : Status::Fail(SystemErrorText(static_cast<unsigned long>(result)));
    }

private:
    UniqueRegistryKey key_;
};

}  // namespace

std::unique_ptr<IRegistryKey> Win32Registry::OpenKey(RegistryRoot root, const std::string& path,
                                                     std::uint32_t access, bool create) const {
    std::string relative = path;
    while (!relative.empty() && relative.front() == '\\') relative.erase(0, 1);
    UniqueRegistryKey key;
    LONG result;
    if (create) {
        result = ::RegCreateKeyExA(RootHandle(root), relative.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   static_cast<REGSAM>(access), nullptr, key.put(), nullptr);
    } else {
        result = ::RegOpenKeyExA(RootHandle(root), relative.c_str(), 0, static_cast<REGSAM>(access), key.put());
    }
    if (result != ERROR_SUCCESS || !key) return nullptr;
    return std::make_unique<Win32RegistryKey>(std::move(key));
}

}  // namespace qx
