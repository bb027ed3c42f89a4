#include "store/EntryStore.h"

#include <vector>

#include "store/EntryLine.h"
#include "store/ListFile.h"
#include "store/PathResolver.h"
#include "text/CaseFold.h"

namespace qx {
namespace {

// The file name without its extension; a leading "." starts no extension.
std::string WithoutExtension(const std::string& fileName) {
    const size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || dot == 0) return fileName;
    return fileName.substr(0, dot);
}

bool SameFolder(std::string_view a, std::string_view b) {
    if (a.ends_with('\\')) a.remove_suffix(1);
    if (b.ends_with('\\')) b.remove_suffix(1);
    return SameText(a, b);
}

}  // namespace

EntryStore::EntryStore(StoreContext context)
    : fs_(context.fs),
      system_(context.system),
      folders_(std::move(context.folders)),
      shellRoots_(std::move(context.shellRoots)),
      hooks_(std::move(context.hooks)),
      commandHistory_(folders_.dataFolder + "OldOrders.txt"),
      urlHistory_(folders_.dataFolder + "OldURLs.txt") {}

Failures EntryStore::LoadHistories(bool firstLaunch) {
    Failures failures;
    const auto load = [&](History& history) {
        history.NoteLoad(failures.Add(LoadListFile(history.Lines(), history.File(), fs_)));
    };
    // Writing the empty command history is what ends the first launch for the next start.
    if (firstLaunch) failures.Add(SaveHistory(commandHistory_));
    else load(commandHistory_);
    if (fs_.FileExists(urlHistory_.File())) load(urlHistory_);
    return failures;
}

Status EntryStore::RememberLaunch(History& history, const std::string& line, bool succeeded) {
    if (!succeeded) return Status::Ok();
    history.MoveToTop(line);
    return SaveHistory(history);
}

Status EntryStore::SaveHistory(const History& history) {
    // Its load failure was reported once; the launches go on without rewriting the file.
    if (history.saveBlocked()) return Status::Ok();
    return SaveListFile(history.Lines(), history.File(), fs_);
}

bool EntryStore::CreateFromTemplates(int languageIndex, Failures& failures) {
    const std::string language = languageIndex == 0 ? "de" : "en";
    const std::string system = system_.WindowsVersionNumber() < 502 ? "xp" : "vista";
    const std::string target = EntryFilePath();
    // No template is no error: the program then simply starts without entries.
    if (!fs_.CopyFileNew(folders_.dataFolder + "Files_" + language + ".txt", target)) return false;

    std::vector<std::string> companion;
    if (!failures.Add(LoadListFile(companion, folders_.dataFolder + "Files_" + language + "_" + system + ".txt", fs_)) ||
        companion.empty()) {
        return true;  // Files.txt keeps the language template alone
    }
    std::vector<std::string> lines;
    if (!failures.Add(LoadListFile(lines, target, fs_))) return true;
    lines.insert(lines.end(), companion.begin(), companion.end());
    failures.Add(SaveListFile(lines, target, fs_));
    return true;
}

Failures EntryStore::LoadEntries(const LoadOptions& options) {
    const bool firstLaunch = options.firstLaunch;
    Failures failures = LoadHistories(firstLaunch);

    const std::string path = EntryFilePath();
    if (!fs_.FileExists(path) && !CreateFromTemplates(options.languageIndex, failures)) return failures;

    std::string contents;
    if (!failures.Add(ReadListFile(contents, path, fs_))) return failures;
    const std::vector<std::string_view> lines = SplitLineViews(contents);

    entries_.Reserve(entries_.Count() + static_cast<int>(lines.size()));
    std::string addedName;
    for (std::string_view line : lines) {
        // Earlier templates spelled the command prefix out.
        if (firstLaunch && line.starts_with("execute: ")) {
            AddEntryFromLine("exe: " + std::string(line.substr(9)), false, addedName, false, false, true);
        } else {
            AddEntryFromLine(line, false, addedName, false, false, true);
        }
    }
    // Sorted before the first-launch write-back too, so the file is always in Name order.
    entries_.Sort();
    if (firstLaunch && !lines.empty()) failures.Add(SaveEntries(false));
    return failures;
}

Status EntryStore::SaveEntries(bool refreshFirst) {
    if (refreshFirst) RefreshAfterChange();
    std::string text;
    text.reserve(static_cast<size_t>(entries_.Count()) * 128);  // a typical line; grows if needed
    for (int i = 0; i < entries_.Count(); ++i) {
        AppendEntryLine(text, EntryAt(entries_, i));
        text.append("\r\n");
    }
    return SaveTextFile(text, EntryFilePath(), fs_);
}

bool EntryStore::AddEntryFromLine(std::string_view line, bool makeUnique, std::string& addedName, bool select,
                                  bool refresh, bool allowExisting) {
    addedName.clear();
    std::unique_ptr<Entry> entry = ParseEntryLine(line);
    if (entry->Name().empty()) return false;
    if (!allowExisting && !IsNameFree(entry->Name())) return false;
    if (makeUnique) entry->SetText(EntryText::Name, MakeUniqueName(entry->Name()));

    addedName = std::string(entry->Name());
    entries_.AddObject(addedName, std::make_unique<RowData>(std::move(entry)));

    if (refresh) RefreshAfterChange();
    if (select && hooks_.selectInAllEntries) hooks_.selectInAllEntries(addedName);
    return true;
}

void EntryStore::RefreshAfterChange() {
    entries_.Sort();
    const bool browsing = hooks_.isFolderBrowsing && hooks_.isFolderBrowsing();
    if (!browsing && hooks_.rebuildResultList) hooks_.rebuildResultList();
}

bool EntryStore::IsEntryValue(std::string_view path) const {
    for (int i = 0; i < entries_.Count(); ++i)
        if (const Entry* entry = EntryIfAny(entries_.Objects(i)); entry && SameText(entry->Value(), path)) return true;
    return false;
}

Entry* EntryStore::FindEntry(std::string_view name) {
    const int index = entries_.IndexOf(name);
    return index < 0 ? nullptr : &EntryAt(entries_, index);
}

bool EntryStore::IsNameFree(std::string_view name) const { return !name.empty() && entries_.IndexOf(name) < 0; }

std::string EntryStore::MakeUniqueName(std::string_view name) const {
    std::string base(name);
    if (IsNameFree(base)) return base;
    for (int n = 1; n <= 100; ++n) {
        std::string candidate = base + std::to_string(n);
        if (IsNameFree(candidate)) return candidate;
    }
    return base + "101";
}

std::string EntryStore::ResolveEntryPath(std::string_view path, bool expandShellMarkers) const {
    return qx::ResolveEntryPath(path, expandShellMarkers, PathContext{folders_, shellRoots_, system_});
}

ImportResult EntryStore::ImportLooseFiles(const std::string& folder) {
    std::string prefix = folder;
    if (!prefix.ends_with('\\')) prefix.push_back('\\');
    const bool standardEntries = SameFolder(folder, folders_.standardEntriesFolder);
    int added = 0;
    std::vector<std::string> imported;
    for (const std::string& fileName : fs_.ListFiles(folder)) {
        const std::string filePath = prefix + fileName;
        if (!fs_.FileExists(filePath)) continue;
        if (standardEntries) {
            // Standard entries stay where they are and are launched through the marker.
            Entry entry;
            entry.SetText(EntryText::Name, WithoutExtension(fileName));
            entry.SetText(EntryText::Value, "@Launch " + fileName);
            std::string addedName;
            if (AddEntryFromLine(FormatEntryLine(entry), false, addedName, false, false, false)) ++added;
        } else if (hooks_.autoAddFile && !IsEntryValue(filePath)) {
            if (hooks_.autoAddFile(filePath)) {
                ++added;
                imported.push_back(filePath);
            }
        }
        // Without an autoAddFile hook other folders import nothing: their files stay untouched.
    }
    if (added == 0) return ImportResult{};
    ImportResult result{added, SaveEntries(true)};
    // The files go only once their entries are on disk: after a failed save the next import
    // finds them again. A file its entry points to (not a link, or one that could not be
    // read) stays, and is not imported twice. One that cannot be deleted stays as well.
    if (result.saved)
        for (const std::string& filePath : imported)
            if (!IsEntryValue(filePath)) (void)fs_.DeleteFile(filePath);
    return result;
}

}  // namespace qx
