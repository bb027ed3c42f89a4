#include "exec/Autorun.h"

#include <utility>

namespace qx {

bool AutorunIsSet(const IRegistry& registry, RegistryRoot root, const std::string& name) {
    const auto key = registry.OpenKey(root, kAutorunKey, kRegistryKeyRead, false);
    return key && key->ValueExists(name);
}

bool AutorunSet(const IRegistry& registry, RegistryRoot root, const std::string& name, const std::string& value) {
    const auto key = registry.OpenKey(root, kAutorunKey, kRegistryKeyAllAccess, true);
    return key && key->WriteString(name, value).ok();
}

bool AutorunRemove(const IRegistry& registry, RegistryRoot root, const std::string& name) {
    const auto key = registry.OpenKey(root, kAutorunKey, kRegistryKeyAllAccess, false);
    return key && key->ValueExists(name) && key->DeleteValue(name).ok();
}

int AutorunCount(const IRegistry& registry) {
    return (AutorunIsSet(registry, RegistryRoot::LocalMachine, kAutorunValueName) ? 1 : 0) +
           (AutorunIsSet(registry, RegistryRoot::CurrentUser, kAutorunValueName) ? 1 : 0);
}

std::string FirstCommandLineItem(std::string_view commandLine) {
    const std::size_t start = commandLine.find_first_not_of(" \t");
    if (start == std::string_view::npos) return {};
    commandLine.remove_prefix(start);
    // The program item ends at the closing quote when it starts with one, else at white space;
    // backslashes before a quote mean nothing in it.
    if (commandLine.front() == '"') {
        commandLine.remove_prefix(1);
        return std::string(commandLine.substr(0, commandLine.find('"')));
    }
    return std::string(commandLine.substr(0, commandLine.find_first_of(" \t")));
}

AutorunMenu::AutorunMenu(const IRegistry& registry, const std::string& executablePath)
    : registry_(registry), value_('"' + executablePath + '"') {}

void AutorunMenu::UpdateStartupCheck() {
    for (const AutorunItem item : {AutorunItem::ForThisUser, AutorunItem::ForAllUsers})
        checked_[Index(item)] = AutorunIsSet(registry_, Tag(item), kAutorunValueName);
}

std::vector<LangPair> AutorunMenu::Toggle(AutorunItem item) {
    std::vector<LangPair> messages;
    if (!Checked(item)) {
        if (!AutorunSet(registry_, Tag(item), kAutorunValueName, value_))
            messages.push_back(texts::RegistrySetFailed);
    } else if (!AutorunRemove(registry_, Tag(item), kAutorunValueName)) {
        messages.push_back(texts::RegistryRemoveFailed);
    }
    UpdateStartupCheck();
    if (AutorunCount(registry_) == 2) messages.push_back(texts::BothAutoruns);
    return messages;
}

}  // namespace qx
