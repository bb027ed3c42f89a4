#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"
#include "text/LanguageStrings.h"

namespace qx {

inline constexpr const char* kAutorunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kAutorunValueName = "Quillox";

// Whether the Run key below the root holds the value; false when the key cannot be read.
bool AutorunIsSet(const IRegistry& registry, RegistryRoot root, const std::string& name);
// Writes the value, creating the Run key when missing; false when that failed.
bool AutorunSet(const IRegistry& registry, RegistryRoot root, const std::string& name, const std::string& value);
// Deletes the value; false when the key could not be opened, the value was missing or the
// deletion failed.
bool AutorunRemove(const IRegistry& registry, RegistryRoot root, const std::string& name);
// How many of the two roots (all users, this user) hold the "Quillox" value: 0, 1 or 2.
int AutorunCount(const IRegistry& registry);

// The program path of a process command line (GetCommandLineA): the first item, without its
// quotes and without the arguments.
std::string FirstCommandLineItem(std::string_view commandLine);

enum class AutorunItem { ForThisUser, ForAllUsers };

// The "Quillox mit Windows starten" sub-menu: two items, each tagged with its root and checked
// while the value exists there. Clicks decide by the check mark shown, not by a fresh read, so a
// value removed by another tool since the menu opened ends in RemoveFailed.
class AutorunMenu {
public:
    // executablePath: the running executable as the first command-line item, without quotes.
    // The value holds it in quotes, so that Windows never runs a leading part of a path with
    // blanks ("C:\Program.exe" for "C:\Program Files\...").
    AutorunMenu(const IRegistry& registry, const std::string& executablePath);

    // Re-reads both check marks; run when the sub-menu opens.
    void UpdateStartupCheck();
    bool Checked(AutorunItem item) const { return checked_[Index(item)]; }
    static RegistryRoot Tag(AutorunItem item) {
        return item == AutorunItem::ForThisUser ? RegistryRoot::CurrentUser : RegistryRoot::LocalMachine;
    }

    // Sets or removes the value for the item's root, refreshes both check marks and returns the
    // messages to show with ShowInfo, in order (none on a clean change).
    std::vector<LangPair> Toggle(AutorunItem item);

private:
    static int Index(AutorunItem item) { return item == AutorunItem::ForThisUser ? 0 : 1; }

    const IRegistry& registry_;
    std::string value_;
    bool checked_[2] = {false, false};
};

}  // namespace qx
