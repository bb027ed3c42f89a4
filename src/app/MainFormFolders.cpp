// The main window's side of folder browsing: the mode's window effects, going into folders
// from entries and rows, the folder commands and the released window's title.
#include <utility>

#include "app/input/KeyboardCommands.h"
#include "app/MainForm.h"
#include "controls/ListBoxModel.h"
#include "exec/LaunchPipeline.h"
#include "exec/LaunchText.h"
#include "exec/ShellLink.h"
#include "platform/ShellFolderView.h"
#include "search/FolderBrowser.h"
#include "search/ResultListModel.h"
#include "store/EntryRows.h"
#include "store/EntryStore.h"
#include "text/PathText.h"

namespace qx {

namespace {

// Where the list stood when folder browsing began.
constexpr int kFolderEntrySlot = 21;
// The input line's text colour while browsing (0xBBGGRR: red).
constexpr std::uint32_t kFolderInputColour = 255;
// How far a folder row's mark reaches past its text.
constexpr int kFolderMarkTextExtra = 9;

}  // namespace

void MainForm::CreateFolderBrowsing() {
    FolderBrowserHooks hooks;
    hooks.isInputLockFree = [this] { return inputLock_->IsFree(); };
    hooks.setInputText = [this](const std::string& text) { keys_->SetInputText(text); };
    hooks.setFormEnabled = [this](bool enabled) { SetFormEnabledForShell(enabled); };
    hooks.linkTarget = [this](const std::string& path) {
        const auto link = platform_.links ? platform_.links->Load(path) : std::nullopt;
        if (!link) return std::string();
        if (!link->url.empty()) return link->url;
        if (link->advertised.isAdvertised && !link->advertised.componentPath.empty())
            return link->advertised.componentPath;
        return link->path;
    };
    hooks.repaintList = [this] { view_.ResultList().Repaint(); };
    hooks.rebuildList = [this] { results_->UniversalUpdate(true); };
    browser_ = std::make_unique<FolderBrowser>(
        FolderBrowserContext{view_.ResultList(), *query_, platform_.files, platform_.shellView, platform_.clock,
                             shellRoots_.network, shellRoots_.myComputer, shellRoots_.recycleBin},
        std::move(hooks));
    if (platform_.shellView)
        platform_.shellView->SetChangeListener([this](const std::string& path) { browser_->OnShellChange(path); });
    SetFolderBrowsingProbe([this] { return IsFolderBrowsing(); });
}

void MainForm::DestroyFolderBrowsing() {
    if (platform_.shellView) platform_.shellView->SetChangeListener(nullptr);
    SetFolderBrowsingProbe(nullptr);
    browser_.reset();
}

void MainForm::SetFormEnabledForShell(bool enabled) {
    // Only our own disabling is undone: a window that a dialog holds disabled stays so.
    if (!enabled) {
        disabledForShell_ = view_.IsFormEnabled();
        if (disabledForShell_) view_.SetFormEnabled(false);
    } else if (std::exchange(disabledForShell_, false)) {
        view_.SetFormEnabled(true);
    }
}

bool MainForm::IsFolderBrowsing() const { return browser_ && browser_->active(); }

void MainForm::SetFolderBrowsing(bool on) {
    // A released window stays a folder browser.
    if (released_ || !browser_ || !browser_->SetActive(on)) return;
    ListBoxModel& list = view_.ResultList();
    if (fileOpLock_->IsFree()) list.CommitEdit(true);
    if (on) {
        list.SavePosition(kFolderEntrySlot);
        view_.SetInputTextColour(kFolderInputColour);
        list.SetFolderMode(true);
        list.MarkTextExtra = kFolderMarkTextExtra;
        results_->UniversalUpdate(false);
        view_.ApplyListSize(settings_.folderListWidth, settings_.folderListHeight);
    } else {
        list.SetFolderMode(false);
        view_.SetInputTextColour(std::nullopt);
        view_.ApplyListSize(settings_.listWidth, settings_.listHeight);
    }
    UpdateRowIconSize();
    list.Repaint();
}

void MainForm::ListFolder(bool reload) {
    browser_->List(reload);
    view_.ResultList().SetSelected(0);
    ShowReleasedTitle();
}

void MainForm::ShowReleasedTitle() {
    if (!released_) return;
    // The folder goes first, so a glance at the task bar tells the free windows apart; the
    // caption never becomes one another instance looks for.
    const std::string folder = IsFolderBrowsing() ? browser_->ReleasedTitle() : std::string();
    view_.SetCaption(folder.empty() ? std::string(kCaptionReleased) : folder + " - " + kCaptionReleased);
}

std::string MainForm::FolderInputForEntry(const Entry& entry) const {
    const std::string value(entry.Value());
    // Web addresses and commands go into their own input modes, ready to be changed.
    if (IsUrlEntry(entry.Name())) return prefixes_.Field(PrefixRow::ExecUrlWww) + value;
    if (IsCommandEntry(entry.Name())) return prefixes_.Field(PrefixRow::ExecWin) + value;
    const std::string target(
        WithoutTrailingBackslash(store_->ResolveEntryPath(launch_->ResolveEntryTarget(entry), true)));
    const bool isFolder = entry.isFolder || (!target.empty() && platform_.files.FolderExists(target));
    // A file's folder is listed whole: its own name does not become the filter.
    return prefixes_.FolderSearchChar() + (isFolder ? WithTrailingBackslash(target) : FolderPart(target));
}

void MainForm::BeginSearchInFolder() {
    ListBoxModel& list = view_.ResultList();
    if (!inputLock_->IsFree() || !list.HasSelection()) return;
    const Entry* entry = EntryIfAny(list.Items().Objects(list.SelectedIndex()));
    if (!entry || entry->iconState == IconState::FolderListing) return;
    if (!IsUrlEntry(entry->Name()) && !IsCommandEntry(entry->Name()))
        list.SavePosition(ResultListModel::kAllEntriesSlot);
    keys_->SetInputText(FolderInputForEntry(*entry));
}

void MainForm::GoIntoFolderRow() {
    if (IsFolderBrowsing()) browser_->GoIntoFolderRow();
}

bool MainForm::SelectedRowIsFolder() const {
    const ListBoxModel& list = view_.ResultList();
    if (!IsFolderBrowsing() || !list.HasSelection()) return false;
    const std::string row = list.SelectedText();
    if (IsPathMode(query_->currentText())) {
        const auto item = browser_->FindShellItem(row);
        return item && item->isFolder;
    }
    return platform_.files.FolderExists(WithTrailingBackslash(query_->browsedFolder()) + TrimBlanks(row));
}

void MainForm::FindInBrowsedFolder() {
    // The shell's own search window; its results stay there.
    if (!IsPathMode(query_->currentText())) {
        platform_.shellLauncher->ShellExecuteVerb("find", query_->queryTail());
        return;
    }
    const auto folder = browser_->CurrentShellFolder();
    if (folder && !platform_.shellView->AtRoot())
        platform_.shellLauncher->ExecuteShellItem(folder->idListBytes, "find");
}

void MainForm::RunFolderCommand(MenuCommand command) {
    if (!IsFolderBrowsing()) return;
    switch (command) {
        case MenuCommand::NewFolder:
            browser_->CreateNewItem(language_.Text(texts::NewFolderName), true);
            break;
        case MenuCommand::NewFile:
            browser_->CreateNewItem(language_.Text(texts::NewFileName), false);
            break;
        case MenuCommand::FindFiles:
            FindInBrowsedFolder();
            break;
        // Copy, cut, paste, properties, adding as entries and the file lists arrive with the
        // file operations.
        default:
            break;
    }
}

}  // namespace qx
