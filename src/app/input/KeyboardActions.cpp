// The keyboard commands that change the input or act on the selected row.
#include <algorithm>

#include "app/input/KeyboardCommands.h"
#include "controls/ListBoxModel.h"
#include "platform/Clipboard.h"
#include "platform/FileSystem.h"
#include "search/QueryState.h"
#include "store/EntryRows.h"
#include "store/PathResolver.h"
#include "text/PathText.h"

namespace qx {
namespace {

constexpr std::size_t kMaxPastedChars = 1000;

std::string CutBeforeLastBackslash(const std::string& text) {
    const std::size_t pos = text.rfind('\\');
    return pos == std::string::npos ? std::string() : text.substr(0, pos);
}

bool LooksLikeUrl(const std::string& text) {
    for (const char* marker : {"http://www.", "http://", "https://", "www."}) {
        if (text.find(marker) != std::string::npos) return true;
    }
    return false;
}

}  // namespace

void KeyboardCommands::GoUp() {
    const std::string& input = Input();
    if (target_.IsFolderBrowsing()) {
        const std::string rest = input.empty() ? std::string() : input.substr(1);
        std::string folder;
        if (!FolderFilterOf(rest).empty()) {
            folder = CutBeforeLastBackslash(rest);  // clears the filter
        } else {
            folder = CutBeforeLastBackslash(std::string(WithoutTrailingBackslash(rest)));
        }
        // An empty folder in path mode becomes "\", the shell root.
        if (!folder.empty() || IsPathMode(input)) folder += '\\';
        folder.insert(0, FolderChar());
        SetInputText(folder);
        target_.UniversalUpdate(true, false);
        return;
    }
    if (query_.Mode() != InputMode::EntrySearch) {
        SetInputText(input.substr(0, 1));
        return;
    }
    SetInputText(std::string());
}

void KeyboardCommands::GoInto() {
    if (!list_.HasSelection()) return;
    if (target_.IsFolderBrowsing()) {
        target_.GoIntoFolderRow();
        return;
    }
    if (query_.Mode() == InputMode::EntrySearch) {
        target_.BeginSearchInFolder();
        return;
    }
    // A history row completes the command or address after the mode character.
    const std::string row = list_.SelectedText();
    std::string text = Input().substr(0, 1);
    if (row.starts_with("url: ") || row.starts_with("exe: ")) text += row.substr(row.find(' ') + 1);
    SetInputText(text);
}

bool KeyboardCommands::InsertClipboardText() {
    if (InputLineFocused()) return false;
    std::string text;
    if (!clipboard_.GetText(text)) return false;
    if (text.size() > kMaxPastedChars) text.resize(kMaxPastedChars);
    text = target_.ExpandPath(TrimBlanks(text));
    std::erase(text, '"');
    if (text.empty()) return false;

    std::string newInput;
    if (LooksLikeUrl(text)) {
        // URL mode with the factory www character, whatever the options say.
        newInput = "." + text;
    } else if (IsFileSystemPath(text)) {
        if (text.back() != '\\' && files_.FolderExists(text)) text += '\\';
        newInput = FolderChar() + text;
    } else {
        newInput = Input() + text;
    }
    SetInputText(newInput);
    return true;
}

void KeyboardCommands::ToggleRelativePath() {
    if (target_.IsFolderBrowsing() || query_.Mode() != InputMode::EntrySearch || !list_.HasSelection()) return;
    RowData* data = list_.Items().Objects(list_.SelectedIndex());
    Entry* entry = EntryIfAny(data);
    if (entry == nullptr || entry->iconState == IconState::FolderListing) return;
    const std::string relative = MakeRelativePath(target_.ProgramFolder(), entry->Value());
    entry->SetText(EntryText::Value, relative);
    target_.SaveEntries();
}

void KeyboardCommands::RunMenuCommand(MenuCommand command) {
    // In the input line the same keys are its own clipboard keys; while the input is locked
    // the menu is gone.
    if (InputLineFocused() || !target_.IsInputLockFree()) return;
    const bool browsing = target_.IsFolderBrowsing();
    switch (command) {
        case MenuCommand::Paste:
            if (InsertClipboardText()) return;
            if (browsing) target_.RunFolderCommand(command);
            return;
        case MenuCommand::Edit:
            if (!browsing) target_.OpenEditEntryDialog();
            return;
        case MenuCommand::ToggleRelativePath:
            ToggleRelativePath();
            return;
        case MenuCommand::GoToExplorerFolder:
            target_.GoToExplorerFolder();
            return;
        case MenuCommand::ReleaseWindow:
            target_.ReleaseWindow();
            return;
        default:
            // Copy, cut, properties, adding, new items, file lists and find act on the
            // marked rows of a folder listing and on nothing else.
            if (browsing) target_.RunFolderCommand(command);
            return;
    }
}

}  // namespace qx
