#pragma once
#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/FileSystem.h"
#include "platform/IconSource.h"

namespace qx::test {

// Icons are texts saying where they came from and at which size ("shell C:\a.exe@32"); an
// ".ico" file holds that text, and loading it back gives "file <text>@size".
class FakeIconSource : public IIconSource {
public:
    explicit FakeIconSource(const IFileSystem& fs) : fs_(fs) {}

    LoadedIcon ExtractFileIcon(const std::string& file, int index, int size) const override {
        return extractable.count(file) ? Make("extract " + file + "," + std::to_string(index), size) : nullptr;
    }
    LoadedIcon ShellIcon(const std::string& path, int size) const override { return Make("shell " + path, size); }
    LoadedIcon IdListIcon(const std::string& ids, int size) const override {
        return Make("idlist " + std::to_string(ids.size()), size);
    }
    LoadedIcon CommandIcon(int size) const override { return Make("command", size); }
    std::optional<bool> ShellItemIsFolder(const std::string& path) const override {
        const auto found = namespaceItems.find(path);
        return found == namespaceItems.end() ? std::nullopt : std::optional<bool>(found->second);
    }
    LoadedIcon ShellItemIcon(const std::string& path, int size) const override { return Make("item " + path, size); }
    LoadedIcon LoadIconFile(const std::string& path, int size) const override {
        std::string contents;
        if (!fs_.ReadFile(path, contents) || contents.empty()) return nullptr;
        return Make("file " + contents, size);
    }
    std::string IconFileBytes(const LoadedIcon& icon) const override { return Describe(icon); }

    static std::string Describe(const std::shared_ptr<void>& icon) {
        return icon ? *static_cast<const std::string*>(icon.get()) : std::string();
    }

    std::set<std::string> extractable;            // files with icons of their own
    std::map<std::string, bool> namespaceItems;   // shell-namespace path -> is a folder

private:
    static LoadedIcon Make(const std::string& origin, int size) {
        return std::make_shared<std::string>(origin + "@" + std::to_string(size));
    }
    const IFileSystem& fs_;
};

}  // namespace qx::test
