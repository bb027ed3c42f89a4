#include "app/AddEntries.h"

#include <algorithm>

#include "exec/IdListText.h"
#include "exec/ShellLink.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/ShellItems.h"
#include "store/Entry.h"
#include "store/EntryLine.h"
#include "store/EntryStore.h"
#include "text/CaseFold.h"
#include "text/LanguageStrings.h"
#include "text/PathText.h"

namespace qx {
namespace {

// As the shell trims: every control character and blank at either end goes.
std::string Trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return std::string(text);
}

std::string_view FileNameOf(std::string_view path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// A leading "." starts no extension.
std::string WithoutExtension(std::string_view fileName) {
    const size_t dot = fileName.rfind('.');
    return std::string(dot == std::string_view::npos || dot == 0 ? fileName : fileName.substr(0, dot));
}

std::string LowerExtension(std::string_view fileName) {
    const size_t dot = fileName.rfind('.');
    return dot == std::string_view::npos ? std::string() : FoldedText(fileName.substr(dot));
}

// "\Control Panel\Fonts" names a shell item; "\\server\share" is an ordinary network path.
bool IsNamespacePath(std::string_view path) { return path.starts_with('\\') && !path.starts_with("\\\\"); }

// "D:\": the only backslash is the last character.
bool IsDriveRoot(std::string_view path) { return path.ends_with('\\') && path.find('\\') == path.size() - 1; }

bool ContainsText(std::string_view text, std::string_view part) {
    return FoldedText(text).find(FoldedText(part)) != std::string::npos;
}

bool IsExcluded(std::string_view target, const std::vector<std::string>* excluded) {
    if (!excluded) return false;
    // An empty text would exclude every link; it stands for no exclusion.
    return std::any_of(excluded->begin(), excluded->end(),
                       [&](const std::string& part) { return !part.empty() && ContainsText(target, part); });
}

}  // namespace

std::string EntryAdder::DisplayName(const std::string& path) const {
    return context_.shell ? context_.shell->DisplayName(path) : std::string();
}

bool EntryAdder::IsFolder(const std::string& path) const {
    const std::optional<bool> canRename = context_.shell ? context_.shell->CanRename(path) : std::nullopt;
    // A drive root cannot be renamed and is a folder even when no medium is in it; a file the
    // shell will not rename stays a file.
    if (canRename && !*canRename) return !context_.files.FileExists(path);
    return context_.files.FolderExists(path);
}

std::string EntryAdder::FileEntryName(const std::string& path) const {
    const std::string plain = WithoutExtension(FileNameOf(path));
    const std::string shown = DisplayName(path);
    return !shown.empty() && WithoutExtension(shown) != plain ? shown : plain;
}

std::string EntryAdder::FolderEntryName(const std::string& path) const {
    if (IsNamespacePath(path)) {
        const std::string item(WithoutTrailingBackslash(path));
        return std::string(" ").append(FileNameOf(item));
    }
    if (IsDriveRoot(path)) {
        std::string shown = DisplayName(path);
        if (shown.empty()) shown = WithoutTrailingBackslash(path);
        return "  " + shown + " (NoDelete)";
    }
    const std::string folder(WithoutTrailingBackslash(path));
    std::string shown = DisplayName(folder);
    // A folder the shell cannot name keeps its own name rather than a lone blank.
    if (shown.empty()) shown = FileNameOf(folder);
    return " " + shown;
}

bool EntryAdder::AutoAddFile(const std::string& rawPath, const AutoAddOptions& options, std::string& addedName) {
    addedName.clear();
    std::string path = Trimmed(rawPath);
    if (path.empty()) return false;

    bool folder = false;
    if (IsNamespacePath(path)) {
        const std::optional<NamespaceItem> item =
            context_.shell ? context_.shell->FindNamespaceItem(path) : std::nullopt;
        folder = item && item->isFolder;
        if (item && !item->fileSystemPath.empty()) path = item->fileSystemPath;
    } else {
        folder = IsFolder(path);
    }
    if (options.isFolder) folder = *options.isFolder;

    Entry entry;
    entry.SetText(EntryText::SearchTerms, options.searchTerms);
    const std::string extension = LowerExtension(FileNameOf(path));
    std::optional<ShellLink> link;
    if (!folder && options.takeLinkTarget && context_.links && (extension == ".lnk" || extension == ".url"))
        link = context_.links->Load(path);

    if (folder) {
        entry.SetText(EntryText::Name, FolderEntryName(path));
        entry.SetText(EntryText::Value, path.ends_with('\\') ? path : path + '\\');
    } else if (link) {
        const bool internetShortcut = !link->url.empty();
        const std::string& target = internetShortcut ? link->url : link->path;
        if (IsExcluded(target, options.excludedTargets)) return false;
        std::string name = internetShortcut ? "url: " + WithoutExtension(FileNameOf(path)) : DisplayName(path);
        if (name.empty()) name = WithoutExtension(FileNameOf(path));
        entry.SetText(EntryText::Name, Trimmed(name));
        entry.SetText(EntryText::Value, target);
        entry.SetText(EntryText::Parameters, link->arguments);
        entry.SetText(EntryText::WorkingFolder, link->workingDirectory);
        entry.SetText(EntryText::IconPath, link->iconFile);
        entry.iconIndex = link->iconIndex;
        entry.SetText(EntryText::IdList, IdListToText(link->idList));
        entry.SetText(EntryText::ProductCode, link->advertised.productCode);
        entry.SetText(EntryText::ComponentCode, link->advertised.componentCode);
    } else {
        // A link that cannot be read is kept as the file it is.
        entry.SetText(EntryText::Name, FileEntryName(path));
        entry.SetText(EntryText::Value, path);
    }
    return context_.store.AddEntryFromLine(FormatEntryLine(entry), true, addedName, options.select, true,
                                           options.allowExisting);
}

Status EntryAdder::AddTypedEntry(const Entry& columns) {
    Entry entry;
    for (int column = 0; column < kEntryTextCount; ++column)
        entry.SetText(static_cast<EntryText>(column), columns.Text(static_cast<EntryText>(column)));
    entry.iconIndex = columns.iconIndex;
    entry.winVersion = columns.winVersion;
    entry.SetText(EntryText::Name, context_.store.MakeUniqueName(columns.Name()));
    std::string addedName;
    // Written escaped: a copied column may hold "|" or "%".
    if (!context_.store.AddEntryFromLine(FormatEntryLine(entry), false, addedName, true, true, true))
        return Status::Ok();
    // Saved at once, so the entry survives whatever happens to the dialog.
    Status saved = context_.store.SaveEntries(false);
    if (openEditorForNew) openEditorForNew();
    return saved;
}

Status EntryAdder::AddChosenFiles(bool takeLinkTarget) {
    std::vector<std::string> files;
    if (context_.dialogs) files = context_.dialogs->ChooseFiles();
    std::string addedName;
    for (size_t i = 0; i < files.size(); ++i) {
        AutoAddOptions options;
        options.select = i + 1 == files.size();
        options.takeLinkTarget = takeLinkTarget;
        AutoAddFile(files[i], options, addedName);
    }
    return context_.store.SaveEntries(true);
}

Status EntryAdder::AddChosenFolder() {
    const std::optional<std::string> folder = context_.dialogs ? context_.dialogs->ChooseFolder() : std::nullopt;
    if (folder && !folder->empty()) {
        Entry entry;
        entry.SetText(EntryText::Name, FolderEntryName(*folder));
        entry.SetText(EntryText::Value, *folder);
        std::string addedName;
        context_.store.AddEntryFromLine(FormatEntryLine(entry), true, addedName, true, true, true);
    }
    return context_.store.SaveEntries(true);
}

Status EntryAdder::Run(AddEntryCommand command) {
    const int language = context_.language ? context_.language->languageIndex() : 0;
    const auto typed = [&](std::string name, const LangPair& value) {
        Entry entry;
        entry.SetText(EntryText::Name, name);
        entry.SetText(EntryText::Value, LangText(value, language));
        return AddTypedEntry(entry);
    };
    switch (command) {
        case AddEntryCommand::LinksAsFiles: return AddChosenFiles(false);
        case AddEntryCommand::LinkTargets: return AddChosenFiles(true);
        case AddEntryCommand::Folder: return AddChosenFolder();
        case AddEntryCommand::Url: return typed("url: " + LangText(texts::NewUrlName, language), texts::NewUrlValue);
        case AddEntryCommand::WindowsCommand:
            return typed("exe: " + LangText(texts::NewCommandName, language), texts::NewCommandValue);
        case AddEntryCommand::CustomValue: break;
    }
    return typed("Name", texts::NewCustomValue);
}

}  // namespace qx
