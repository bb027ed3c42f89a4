#pragma once
#include <string>

#include "app/input/MainMenuShortcuts.h"
#include "platform/KeyboardState.h"

namespace qx {

// The two fields that take keys: the hidden key capture field and the input line.
enum class KeyField { None, KeyCapture, InputLine };

// Everything the keyboard commands set off outside themselves. The main window implements
// it; each method is one window call or one call into another feature.
class IKeyboardTarget {
public:
    virtual ~IKeyboardTarget() = default;

    // ---- State.
    virtual bool IsInputLockFree() const = 0;
    virtual bool IsFileOpLockFree() const = 0;
    virtual bool IsReleased() const = 0;
    virtual bool IsFolderBrowsing() const = 0;
    virtual bool IsLaunchRunning() const = 0;
    virtual bool IsEditEntryDialogVisible() const = 0;
    virtual const std::string& ProgramFolder() const = 0;
    // The path expansion of stored paths (markers, environment variables, relative parts).
    virtual std::string ExpandPath(const std::string& path) const = 0;

    // ---- The input line.
    // Puts the text into the input line without its change event; the commands run the
    // change handling themselves right after.
    virtual void PutInputLineText(const std::string& text) = 0;
    // The input line's change handling for this text.
    virtual void RunInputChange(const std::string& text) = 0;
    // Puts the input line's caret after its last character.
    virtual void MoveCaretToEnd() = 0;

    // ---- Focus and the hidden main menu.
    virtual void FocusField(KeyField field) = 0;
    virtual void ShowInputLine() = 0;
    virtual void ClearKeyCaptureField() = 0;
    virtual void AttachMainMenu(bool attached) = 0;

    // ---- The result list and its queue of waiting keys.
    virtual void QueueMove(int delta) = 0;
    virtual void QueueGoInto() = 0;
    // keys: the modifiers of the Enter press, which the launch keeps however late it runs.
    virtual void QueueLaunch(ModifierKeys keys) = 0;
    // Sets the waiting keys' move delta to 0.
    virtual void ClearQueuedMoves() = 0;
    virtual void UniversalUpdate(bool notify, bool reload) = 0;
    virtual void ChangeToListBox() = 0;
    virtual void SwitchToSearchResults() = 0;
    virtual void CloseBalloonTip() = 0;

    // ---- Other features.
    // Lets the launch thread interface poll its workers.
    virtual void UpdateLaunchState() = 0;
    virtual void PopupInfoMenu() = 0;
    virtual void PopupOptionsMenu() = 0;
    virtual void OpenWebSearchDialog() = 0;
    virtual void OpenEditEntryDialog() = 0;
    // The context menu of the selected row, as a right click on it opens.
    virtual void OpenRowContextMenu() = 0;
    // Opens the folder that holds the selected entry.
    virtual void OpenContainingFolder() = 0;
    // Removes the selected entry after asking, or the selected history line.
    virtual void RemoveSelectedRow() = 0;
    virtual void SaveEntries() = 0;
    virtual void ReleaseWindow() = 0;
    virtual void GoToExplorerFolder() = 0;

    // ---- Folder browsing.
    virtual void BeginSearchInFolder() = 0;
    virtual void GoIntoFolderRow() = 0;
    // The file operations on the marked rows: copy, cut, paste, properties, the new items,
    // the file lists, find, and adding them as entries. Delete goes through DeleteMarkedItems.
    virtual void RunFolderCommand(MenuCommand command) = 0;
    virtual void DeleteMarkedItems() = 0;
};

}  // namespace qx
