#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Status.h"

namespace qx {

class Entry;
class EntryStore;
class IFileDialogs;
class IFileSystem;
class IShellItems;
class IShellLinkSource;
class LanguageSwitch;

// The items of the options menu's "Eintrag hinzufügen".
enum class AddEntryCommand { LinksAsFiles, LinkTargets, Folder, CustomValue, Url, WindowsCommand };

// How one path becomes an entry.
struct AutoAddOptions {
    bool allowExisting = true;  // false: a Name that exists already adds nothing
    std::string searchTerms;
    // Links whose target contains any of these texts (in any case) add nothing.
    const std::vector<std::string>* excludedTargets = nullptr;
    std::optional<bool> isFolder;  // nothing: the shell decides
    bool select = false;
    bool takeLinkTarget = false;  // ".lnk" and ".url" files become an entry for what they point to
};

struct AddEntriesContext {
    EntryStore& store;
    const IFileSystem& files;
    const IShellItems* shell = nullptr;       // none: names from the path, folders by existence
    const IShellLinkSource* links = nullptr;  // none: link files are added as files
    IFileDialogs* dialogs = nullptr;          // none: the pickers choose nothing
    const LanguageSwitch* language = nullptr;  // none: German defaults
};

// Every way a new entry is made: from a path (files, folders, links), from typed defaults,
// as a copy, and through the file and folder pickers. All of them enter the EntryList
// through EntryStore::AddEntryFromLine.
class EntryAdder {
public:
    explicit EntryAdder(AddEntriesContext context) : context_(context) {}

    // Returns whether an entry was added; addedName gets its Name (empty when none).
    bool AutoAddFile(const std::string& path, const AutoAddOptions& options, std::string& addedName);

    // The file name without extension, or the shell's name when that says more.
    std::string FileEntryName(const std::string& path) const;
    // " " + the shell's name; drive roots "  " + name + " (NoDelete)", so both sort first.
    std::string FolderEntryName(const std::string& path) const;

    // Adds the columns under a free Name (a number appended when taken), selects the entry in
    // all entries, saves, and opens the edit dialog on it.
    Status AddTypedEntry(const Entry& columns);
    // "Kopie erstellen": all thirteen columns of the entry.
    Status CreateCopy(const Entry& original) { return AddTypedEntry(original); }
    // Runs a menu command to its end, the save included; returns the save's outcome.
    Status Run(AddEntryCommand command);

    // Opens the edit dialog on the selected entry, which a typed add or a copy just made.
    std::function<void()> openEditorForNew;

private:
    bool IsFolder(const std::string& path) const;
    std::string DisplayName(const std::string& path) const;
    Status AddChosenFiles(bool takeLinkTarget);
    Status AddChosenFolder();

    AddEntriesContext context_;
};

}  // namespace qx
