#pragma once
#include <map>
#include <set>

#include "platform/ShellItems.h"

namespace qx::test {

// Display names and drive roots as a test sets them; every other named path can be renamed.
class FakeShellItems : public IShellItems {
public:
    std::string DisplayName(const std::string& path) const override {
        const auto found = names.find(path);
        return found == names.end() ? std::string() : found->second;
    }
    std::optional<bool> CanRename(const std::string& path) const override {
        if (!names.contains(path)) return std::nullopt;
        return !fixed.contains(path);
    }
    std::optional<NamespaceItem> FindNamespaceItem(const std::string& path) const override {
        const auto found = items.find(path);
        return found == items.end() ? std::nullopt : std::optional<NamespaceItem>(found->second);
    }

    std::map<std::string, std::string> names;  // path -> display name
    std::set<std::string> fixed;               // named paths that cannot be renamed (drive roots)
    std::map<std::string, NamespaceItem> items;
};

}  // namespace qx::test
