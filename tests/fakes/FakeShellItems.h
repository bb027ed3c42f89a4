#pragma once
#include <map>
#include <set>

#include "platform/ShellItems.h"

namespace qx::test {

// Display names and drive roots as a test sets them; every other named path can be renamed.
class FakeShellItems : public IShellItems {
public:
    std::string DisplayName(const std::string& path) const override {
        return names.contains(path) ? names.at(path) : std::string();
    }
    std::optional<bool> CanRename(const std::string& path) const override {
        if (!names.contains(path)) return std::nullopt;
        return !fixed.contains(path);
    }
    std::optional<NamespaceItem> FindNamespaceItem(const std::string& path) const override {
        return items.contains(path) ? std::optional(items.at(path)) : std::nullopt;
    }

    std::map<std::string, std::string> names;  // path -> display name
    std::set<std::string> fixed;               // named paths that cannot be renamed (drive roots)
    std::map<std::string, NamespaceItem> items;
};

}  // namespace qx::test
