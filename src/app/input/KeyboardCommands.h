#pragma once
#include <string>

#include "app/input/KeyboardTarget.h"
#include "app/input/KeyCaptureFocus.h"
#include "app/input/KeyPressRules.h"
#include "app/input/MainMenuShortcuts.h"

namespace qx {

class IClipboard;
class IFileSystem;
class QueryState;
class ListBoxModel;

// Modifier state at a key-down. Control is not here: the handlers use controlDown.
struct KeyShift {
    bool alt = false;  // GetKeyState of Alt (0x12) reports it pressed
    bool shift = false;
};

// The main window's keyboard: virtual keys, the dialog keys the window takes before them,
// typed characters, the hidden menu's shortcuts and the wheel. Reads the input through the
// query state and the rows through the list; all else goes through the target.
class KeyboardCommands {
public:
    KeyboardCommands(IKeyboardTarget& target, const QueryState& query, ListBoxModel& list, IClipboard& clipboard,
                     const IFileSystem& files);
    KeyboardCommands(const KeyboardCommands&) = delete;
    KeyboardCommands& operator=(const KeyboardCommands&) = delete;

    // Parsing paths of the shell's computer and control panel folders; a trailing '\' is
    // dropped.
    void SetShellFolders(std::string computer, std::string controlPanel);

    // Virtual keys from the window, the input line and the key capture field. True when the
    // key was acted on (the window may skip its default processing).
    bool ResultListKeyDown(int key, KeyShift shift);
    // Tab, Enter (with Control down), Escape, the application key and F2, before the key
    // handlers see them. True when the key is taken, so no default processing follows.
    bool DialogKey(int key);
    // Typed characters; key becomes 0 when the character is dropped or was taken into the
    // input line, so the field that received it does nothing more.
    void ResultListKeyPress(char& key);
    // A shortcut of the hidden main menu (only attached while the key capture field has the
    // focus).
    void RunMenuCommand(MenuCommand command);
    // The window's wheel; true: the event is handled.
    bool FormMouseWheel(int wheelDelta);

    // The one way code changes the input line.
    void SetInputText(const std::string& text);
    void EscapeAction();
    void GoUp();
    // The go-into action on the selected row; the waiting-keys queue replays it too.
    void GoInto();
    // Pastes clipboard text into the input; false leaves the paste to the input line.
    bool InsertClipboardText();
    // Ctrl+R: the selected stored entry's Value between absolute and relative to the
    // program folder.
    void ToggleRelativePath();
    // F2: the in-place rename of the selected row.
    void BeginRename();

    // The page step of Page Up/Down: one row less than fit when the list fills the view.
    int PageStep() const;

    KeyCaptureFocus& focus() { return focus_; }
    const KeyCaptureFocus& focus() const { return focus_; }

    // Set by a Control key-down and kept current by the window's key polling.
    bool controlDown = false;

private:
    bool InputLineFocused() const { return focus_.InputLineFocused(); }
    const std::string& Input() const;
    const std::string& FolderChar() const;
    // The input a released window keeps instead of an empty one.
    std::string EmptyInput() const;
    void Backspace();

    IKeyboardTarget& target_;
    const QueryState& query_;
    ListBoxModel& list_;
    IClipboard& clipboard_;
    const IFileSystem& files_;
    KeyCaptureFocus focus_;
    ShellFolderPaths shellPaths_;
};

}  // namespace qx
