#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ShellFolderView.h"

namespace qx::test {

// A namespace a test builds as a tree: the root is the desktop, every node is an item.
class FakeShellFolderView : public IShellFolderView {
public:
    struct Node {
        ShellViewItem item;
        std::vector<std::unique_ptr<Node>> children;
        Node* parent = nullptr;

        Node& Add(std::string name, bool isFolder, std::string path = {}) {
            auto child = std::make_unique<Node>();
            child->item = {std::move(name), isFolder, std::move(path), {}};
            child->item.idListBytes = item.idListBytes + "/" + child->item.displayName;
            child->parent = this;
            children.push_back(std::move(child));
            return *children.back();
        }
    };

    FakeShellFolderView() { root.item.displayName = "Desktop"; root.item.isFolder = true; }

    bool GoToRoot() override { return Show(&root); }
    bool GoUp() override { return current->parent && Show(current->parent); }
    bool EnterItem(std::size_t index) override {
        if (index >= current->children.size()) return false;
        Node& child = *current->children[index];
        return child.item.isFolder && Show(&child);
    }
    const std::vector<ShellViewItem>& Items() const override { return items_; }
    ShellViewItem CurrentFolder() const override { return current->item; }
    bool AtRoot() const override { return current == &root; }
    void Refresh() override {
        ++refreshes;
        Show(current);
    }
    void SetChangeListener(std::function<void(const std::string&)>) override {}
    void SetAutoRefresh(bool on) override { autoRefresh = on; }
    bool AutoRefresh() const override { return autoRefresh; }
    std::optional<std::string> ItemDetail(const ShellViewItem& item, int column) const override {
        const auto found = details.find({item.displayName, column});
        return found == details.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    std::map<std::pair<std::string, int>, std::string> details;  // (display name, column) -> text

    Node root;
    Node* current = &root;
    int navigations = 0;
    int refreshes = 0;
    std::function<void()> onNavigate;  // runs on every navigation (a slow shell advances a clock)
    bool autoRefresh = true;

private:
    bool Show(Node* node) {
        current = node;
        ++navigations;
        if (onNavigate) onNavigate();
        items_.clear();
        for (const auto& child : node->children) items_.push_back(child->item);
        return true;
    }

    std::vector<ShellViewItem> items_;
};

}  // namespace qx::test
