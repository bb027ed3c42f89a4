#include "exec/LaunchPipeline.h"

#include <exception>
#include <utility>

#include "controls/ListBoxModel.h"
#include "exec/IdListText.h"
#include "exec/LaunchText.h"
#include "platform/FileSystem.h"
#include "store/Entry.h"
#include "store/EntryRows.h"
#include "store/EntryStore.h"
#include "text/PathText.h"
#include "text/Windows1252.h"

namespace qx {

LaunchPipeline::LaunchPipeline(LaunchContext context, LaunchHooks hooks)
    : context_(context), hooks_(std::move(hooks)) {}

std::string LaunchPipeline::Resolve(std::string_view path, bool expandShellMarkers) const {
    return context_.store.ResolveEntryPath(path, expandShellMarkers);
}

MinimiseMode LaunchPipeline::CurrentMinimiseMode() const {
    const bool keepInFolderBrowser =
        hooks_.noAutoMinimiseInFolderBrowser && hooks_.noAutoMinimiseInFolderBrowser() && FolderBrowsing();
    const bool released = hooks_.isReleased && hooks_.isReleased();
    return keepInFolderBrowser || released ? MinimiseMode::Never : MinimiseMode::UnlessAlt;
}

bool LaunchPipeline::InputStaysFree() const { return !(hooks_.lockUntilExecDone && hooks_.lockUntilExecDone()); }

void LaunchPipeline::ResultListDblClick(LaunchSender sender, ModifierKeys keys) {
    struct KeysScope {
        ModifierKeys& held;
        ModifierKeys before;
        ~KeysScope() { held = before; }
    } scope{launchKeys_, std::exchange(launchKeys_, keys)};
    ListBoxModel& list = context_.list;
    if (hooks_.endInPlaceEdit) hooks_.endInPlaceEdit();
    const std::string rowText = list.SelectedText();
    // A double click counts only on a row; one on the scroll bar or the grip must not launch.
    if (sender != LaunchSender::MainWindow && list.LastPressZone() != ListZone::Rows) return;

    if (!FolderBrowsing()) {
        if (!list.HasSelection()) return;
        if (keys.ctrl) {
            OpenContainingFolder(sender);
        } else {
            LaunchRow(list.Items().Objects(list.SelectedIndex()), rowText, CurrentMinimiseMode(), InputStaysFree());
        }
        return;
    }
    if (keys.alt) {
        if (hooks_.showSelectionProperties) hooks_.showSelectionProperties();
        return;
    }
    if (keys.ctrl) {
        OpenContainingFolder(sender);
        return;
    }
    if (hooks_.isPathMode && hooks_.isPathMode()) {
        const std::optional<ShellViewItem> item =
            hooks_.findFolderViewItem ? hooks_.findFolderViewItem(rowText) : std::nullopt;
        LaunchShellItem(item, CurrentMinimiseMode(), InputStaysFree());
        return;
    }
    const std::string path = Resolve(WithTrailingBackslash(BrowsedFolder()) + TrimBlanks(rowText), false);
    LaunchFile(path, {}, {}, {}, {}, CurrentMinimiseMode(), InputStaysFree());
}

void LaunchPipeline::LaunchRow(const RowData* row, const std::string& rowText, MinimiseMode mode,
                               bool keepInputFree) {
    if (FolderBrowsing()) return;
    if (Mode() != InputMode::EntrySearch) {
        LaunchResultRow(rowText, mode, keepInputFree);
        return;
    }
    if (const Entry* entry = EntryIfAny(row)) LaunchEntry(*entry, mode, keepInputFree);
}

void LaunchPipeline::LaunchResultRow(const std::string& rowText, MinimiseMode mode, bool keepInputFree) {
    if (FolderBrowsing()) return;
    switch (Mode()) {
        case InputMode::EntrySearch:
            if (const Entry* entry = context_.store.FindEntry(rowText)) LaunchEntry(*entry, mode, keepInputFree);
            break;
        case InputMode::Command: LaunchText(rowText, launch_kind::kCommand, true, mode, keepInputFree); break;
        case InputMode::Url: LaunchText(rowText, launch_kind::kWebAddress, true, mode, keepInputFree); break;
    }
}

void LaunchPipeline::LaunchEntry(const Entry& entry, MinimiseMode mode, bool keepInputFree) {
    std::string fileName = Resolve(ResolveEntryTarget(entry), true);
    std::string parameters = Resolve(entry.Parameters(), true);
    // A command entry may keep its whole command line in Value.
    if (IsCommandEntry(entry.Name()) && TrimBlanks(parameters).empty()) {
        parameters = CommandArguments(fileName);
        fileName = CommandProgram(fileName, [this](std::string_view p) { return Resolve(p, false); });
    }
    if (IsUrlEntry(entry.Name())) {
        OpenUrl(fileName, false, mode, keepInputFree);
        return;
    }
    // The stored password column is never used: a run-as launch always asks.
    LaunchPath(fileName, parameters, Resolve(entry.WorkingFolder(), true), TextToIdList(entry.IdList()),
               WidenAnsi(entry.RunAsUser()), mode, keepInputFree);
}

std::string LaunchPipeline::ResolveEntryTarget(const Entry& entry) const {
    const IInstallerLookup* installer = context_.installer;
    // Without both codes the entry is no advertised shortcut; the installer would refuse anyway.
    if (installer && installer->Available() && !entry.ProductCode().empty() && !entry.ComponentCode().empty()) {
        if (auto path = installer->LocalComponentPath(std::string(entry.ProductCode()),
                                                      std::string(entry.ComponentCode()))) {
            return *path;
        }
    }
    return std::string(entry.Value());
}

void LaunchPipeline::LaunchText(std::string text, std::uint8_t kind, bool addToHistory, MinimiseMode mode,
                                bool keepInputFree) {
    const bool webAddress = (kind & launch_kind::kWebAddress) != 0;
    std::string work = StripKindPrefix(text, false);
    // An unmarked text gets its marker, so the history holds it as a row of its mode; a bare
    // marker row stays an empty launch.
    if (work.empty() && text != kUrlMarker && text != kCommandMarker) {
        work = text;
        text = std::string(webAddress ? kUrlMarker : kCommandMarker) + text;
    }
    if (webAddress) work = EncodeUrlSpaces(work);
    auto expand = [this](std::string_view p) { return Resolve(p, false); };

    LaunchRequest request;
    request.kind = kind;
    request.minimiseMode = mode;
    request.keepInputFree = keepInputFree;
    History* history = nullptr;
    if (kind & launch_kind::kCommand) {
        request.fileName = CommandProgram(work, expand);
        request.parameters = CommandArguments(work);
        history = &context_.store.CommandHistory();
    } else if (webAddress) {
        if (kind & launch_kind::kDefaultBrowser) {
            request.fileName = hooks_.defaultBrowser ? hooks_.defaultBrowser() : std::string();
            request.parameters = Quoted(BrowserUrlArgument(work, request.fileName));
        } else {
            request.fileName = CommandProgram(work, expand);
        }
        history = &context_.store.UrlHistory();
    }
    Start(std::move(request));
    if (addToHistory && history && !work.empty()) {
        const Status saved = context_.store.RememberLaunch(*history, text, true);
        if (!saved && hooks_.showError) hooks_.showError(saved.message());
    }
}

void LaunchPipeline::OpenUrl(const std::string& url, bool addToHistory, MinimiseMode mode, bool keepInputFree) {
    LaunchText(url, launch_kind::kWebAddress, addToHistory, mode, keepInputFree);
}

void LaunchPipeline::OpenUrlInBrowser(const std::string& url, bool addToHistory, MinimiseMode mode,
                                      bool keepInputFree) {
    LaunchText(url, launch_kind::kWebAddress | launch_kind::kDefaultBrowser, addToHistory, mode, keepInputFree);
}

void LaunchPipeline::OpenUrlFromDialog(const std::string& url, bool addToHistory) {
    if (CtrlHeld()) {
        OpenUrlInBrowser(url, addToHistory, CurrentMinimiseMode(), InputStaysFree());
    } else {
        OpenUrl(url, addToHistory, CurrentMinimiseMode(), InputStaysFree());
    }
}

void LaunchPipeline::LaunchFile(std::string fileName, const std::string& parameters, std::string workingFolder,
                                const std::string& idListBytes, const std::wstring& runAsUser, MinimiseMode mode,
                                bool keepInputFree) {
    if (workingFolder.empty()) workingFolder = FolderPart(fileName);
    // The shell opens a folder given with its backslash as a window even when a file of the
    // same name without extension lies beside it.
    if (!fileName.empty() && context_.fs.FolderExists(fileName)) fileName = WithTrailingBackslash(fileName);

    LaunchRequest request;
    request.fileName = std::move(fileName);
    request.workingFolder = std::move(workingFolder);
    request.parameters = parameters;
    request.idListBytes = idListBytes;
    request.runAsUser = runAsUser;
    request.kind = launch_kind::kFile;
    request.minimiseMode = mode;
    request.keepInputFree = keepInputFree;
    Start(std::move(request));
}

void LaunchPipeline::LaunchPath(const std::string& fileName, const std::string& parameters,
                                const std::string& workingFolder, const std::string& idListBytes,
                                const std::wstring& runAsUser, MinimiseMode mode, bool keepInputFree) {
    if (const std::optional<ShellViewItem> item = FindShellItemForPath(fileName)) {
        LaunchShellItem(item, mode, keepInputFree);
        return;
    }
    LaunchFile(fileName, parameters, workingFolder, idListBytes, runAsUser, mode, keepInputFree);
}

void LaunchPipeline::LaunchShellItem(const std::optional<ShellViewItem>& item, MinimiseMode mode,
                                     bool keepInputFree) {
    LaunchRequest request;
    request.kind = launch_kind::kFile;
    if (item) {
        request.shellItemIdList = item->idListBytes;
        request.shellItemPath = item->fileSystemPath;
        request.shellItemIsFolder = item->isFolder;
    }
    request.minimiseMode = mode;
    request.keepInputFree = keepInputFree;
    Start(std::move(request));
}

std::optional<ShellViewItem> LaunchPipeline::FindShellItemForPath(const std::string& path) {
    if (path.empty() || path.front() != '\\') return std::nullopt;
    const std::string location(WithoutTrailingBackslash(std::string_view(path).substr(1)));
    if (location.empty() || !hooks_.navigateFolderView || !hooks_.findFolderViewItem) return std::nullopt;
    if (hooks_.setFormEnabled) hooks_.setFormEnabled(false);
    bool navigated = false;
    try {
        navigated = hooks_.navigateFolderView(location);
    } catch (...) {
        if (hooks_.setFormEnabled) hooks_.setFormEnabled(true);
        throw;
    }
    if (hooks_.setFormEnabled) hooks_.setFormEnabled(true);
    if (!navigated) return std::nullopt;
    const auto lastBackslash = location.rfind('\\');
    const std::string name = lastBackslash == std::string::npos ? location : location.substr(lastBackslash + 1);
    return hooks_.findFolderViewItem(name);
}

void LaunchPipeline::OpenContainingFolder(LaunchSender sender) {
    const MinimiseMode mode = sender == LaunchSender::FolderMenuItem ? MinimiseMode::Never : CurrentMinimiseMode();
    const bool keepInputFree = InputStaysFree();
    if (FolderBrowsing()) {
        if (hooks_.isPathMode && hooks_.isPathMode()) {
            LaunchShellItem(hooks_.currentFolderViewItem ? hooks_.currentFolderViewItem() : std::nullopt, mode,
                            keepInputFree);
        } else {
            LaunchFile(Resolve(WithTrailingBackslash(BrowsedFolder()), false), {}, {}, {}, {}, mode, keepInputFree);
        }
        return;
    }
    ListBoxModel& list = context_.list;
    if (!list.HasSelection()) return;
    switch (Mode()) {
        case InputMode::EntrySearch:
            OpenSelectedEntryFolder(list.Items().Objects(list.SelectedIndex()), mode, keepInputFree);
            break;
        case InputMode::Url: OpenUrlInBrowser(list.SelectedText(), true, mode, keepInputFree); break;
        case InputMode::Command: break;
    }
}

void LaunchPipeline::OpenSelectedEntryFolder(const RowData* row, MinimiseMode mode, bool keepInputFree) {
    // A folder that cannot be opened is no reason to disturb the user: the command is a
    // convenience, and the shell reports what it refuses on its own.
    try {
        const Entry* entry = EntryIfAny(row);
        if (!entry) return;
        if (IsUrlEntry(entry->Name())) {
            OpenUrlInBrowser(std::string(entry->Value()), false, mode, keepInputFree);
        } else if (!IsCommandEntry(entry->Name())) {
            OpenEntryFolder(*entry, mode, keepInputFree);
        }
    } catch (const std::exception&) {
    }
}

void LaunchPipeline::OpenEntryFolder(const Entry& entry, MinimiseMode mode, bool keepInputFree) {
    const std::string target = ResolveEntryTarget(entry);
    if (target.empty()) return;
    const std::string path(WithoutTrailingBackslash(Resolve(target, true)));
    const std::string folder = WithTrailingBackslash(FolderPart(path));
    LaunchPath(folder, {}, {}, {}, WidenAnsi(entry.RunAsUser()), mode, keepInputFree);
}

void LaunchPipeline::Start(LaunchRequest request) {
    request.shiftHeld = launchKeys_.shift;
    request.altHeld = launchKeys_.alt;
    if (hooks_.startLaunch) hooks_.startLaunch(request);
}

}  // namespace qx
