#include "app/input/KeyboardCommands.h"

#include "app/input/KeyCodes.h"
#include "controls/ListBoxModel.h"
#include "search/QueryState.h"
#include "text/PathText.h"

namespace qx {

KeyboardCommands::KeyboardCommands(IKeyboardTarget& target, const QueryState& query, ListBoxModel& list,
                                   IClipboard& clipboard, const IFileSystem& files)
    : target_(target), query_(query), list_(list), clipboard_(clipboard), files_(files), focus_(target) {}

void KeyboardCommands::SetShellFolders(std::string computer, std::string controlPanel) {
    shellPaths_.computer = WithoutTrailingBackslash(computer);
    shellPaths_.controlPanel = WithoutTrailingBackslash(controlPanel);
}

const std::string& KeyboardCommands::Input() const { return query_.currentText(); }

const std::string& KeyboardCommands::FolderChar() const { return query_.prefixes().FolderSearchChar(); }

std::string KeyboardCommands::EmptyInput() const { return target_.IsReleased() ? FolderChar() : std::string(); }

int KeyboardCommands::PageStep() const {
    const int visible = list_.VisibleRows();
    return list_.Count() >= visible ? visible - 1 : visible;
}

void KeyboardCommands::SetInputText(const std::string& text) {
    target_.PutInputLineText(text);
    // At once, not on the window's own change event, so the caller reads the new state.
    target_.RunInputChange(text);
    if (InputLineFocused()) target_.MoveCaretToEnd();
}

bool KeyboardCommands::ResultListKeyDown(int key, KeyShift shift) {
    if (key == vk::kControl) controlDown = true;
    if (!target_.IsInputLockFree()) return false;

    // The list keys act wherever the focus is.
    switch (key) {
        case vk::kUp:
        case vk::kDown:
            target_.QueueMove(key == vk::kUp ? -1 : 1);
            if (InputLineFocused()) focus_.FocusKeyCapture();
            return true;
        case vk::kReturn:
            target_.QueueLaunch(ModifierKeys{shift.shift, controlDown, shift.alt});
            return true;
        default:
            break;
    }
    // The rest would take the input line's own editing keys away.
    if (InputLineFocused()) return false;

    const bool ctrlAlt = controlDown && shift.alt;
    switch (key) {
        case vk::kPageUp:
            target_.QueueMove(-PageStep());
            return true;
        case vk::kPageDown:
            target_.QueueMove(PageStep());
            return true;
        case vk::kHome:
            target_.QueueMove(-(list_.Count() + 1));
            return true;
        case vk::kEnd:
            target_.QueueMove(list_.Count());
            return true;
        case vk::kLeft:
            GoUp();
            return true;
        case vk::kRight:
            target_.QueueGoInto();
            return true;
        case vk::kF5:
            if (query_.searchResultsView) target_.UniversalUpdate(true, true);
            return true;
        case vk::kDelete:
            if (target_.IsFolderBrowsing()) {
                target_.DeleteMarkedItems();
            } else {
                target_.RemoveSelectedRow();
            }
            return true;
        case vk::kBack:
            Backspace();
            return true;
        case 'A':
            if (!ctrlAlt) return false;
            target_.ChangeToListBox();
            return true;
        case 'I':
            if (!ctrlAlt) return false;
            target_.PopupInfoMenu();
            return true;
        case 'O':
            if (!ctrlAlt) return false;
            if (!target_.IsReleased()) target_.PopupOptionsMenu();
            return true;
        default:
            return false;
    }
}

void KeyboardCommands::Backspace() {
    std::string text = Input();
    if (!text.empty()) text.pop_back();
    if (text.empty()) text = EmptyInput();
    SetInputText(text);
}

bool KeyboardCommands::DialogKey(int key) {
    switch (key) {
        case vk::kTab:
        case vk::kEscape:
        case vk::kApplications:
        case vk::kF2:
            break;
        case vk::kReturn:
            if (!controlDown || target_.IsEditEntryDialogVisible()) return false;
            break;
        default:
            return false;
    }
    target_.UpdateLaunchState();
    if (!target_.IsInputLockFree()) return false;

    switch (key) {
        case vk::kTab:
            if (focus_.KeyCaptureFocused()) focus_.FocusInputLine();
            break;
        case vk::kReturn:
            target_.OpenContainingFolder();
            break;
        case vk::kEscape:
            EscapeAction();
            break;
        case vk::kApplications:
            target_.OpenRowContextMenu();
            break;
        case vk::kF2:
            BeginRename();
            break;
    }
    return true;
}

void KeyboardCommands::ResultListKeyPress(char& key) {
    const char c = key;
    if (c == kEscapeChar) {
        EscapeAction();
        key = 0;
        return;
    }
    if (!target_.IsInputLockFree() || c == kPipeChar) {
        key = 0;
        return;
    }
    const std::string input = Input();

    if (!InputLineFocused()) {
        const KeyPressExpansion expansion = ExpandTypedChar(c, input, query_.prefixes(), shellPaths_);
        if (expansion.kind == KeyPressExpansion::Kind::SetInput) {
            SetInputText(expansion.expandPath ? target_.ExpandPath(expansion.text) : expansion.text);
            key = 0;
            return;
        }
        if (expansion.kind == KeyPressExpansion::Kind::OpenWebSearch) {
            // The dialog builds on the current rows, so they are brought up to date first.
            target_.UniversalUpdate(true, false);
            target_.OpenWebSearchDialog();
            key = 0;
            return;
        }
    }
    if (target_.IsFolderBrowsing() && DropInFolderBrowsing(c, input, query_.queryTail(), InputLineFocused())) {
        key = 0;
        return;
    }
    if (!query_.searchResultsView && !InputLineFocused() && !controlDown && c != kEnterChar &&
        query_.autoSwitchAllowed) {
        target_.SwitchToSearchResults();
    }
    if (!InputLineFocused()) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 29) {
            std::string text = Input();
            text += c;
            SetInputText(text);
            key = 0;
            return;
        }
    }
    // Dropped so that the fields do not beep.
    if (c == kEnterChar) key = 0;
}

void KeyboardCommands::EscapeAction() {
    if (list_.Editing()) return;
    target_.ClearQueuedMoves();
    if (!target_.IsLaunchRunning() && target_.IsInputLockFree()) SetInputText(EmptyInput());
    target_.UpdateLaunchState();
}

bool KeyboardCommands::FormMouseWheel(int wheelDelta) {
    if (list_.Editing() && target_.IsFileOpLockFree()) list_.CommitEdit(true);
    // One notch of 120 scrolls 4 rows; C++ division truncates toward zero.
    list_.ScrollBy(-wheelDelta / 25);
    target_.CloseBalloonTip();
    return true;
}

void KeyboardCommands::BeginRename() {
    if (list_.HasSelection() && list_.OnBeginEdit) list_.OnBeginEdit(list_.SelectedIndex());
}

}  // namespace qx
