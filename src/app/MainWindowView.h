#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "app/RowContextMenu.h"
#include "platform/SecretText.h"
#include "skin/InputLineText.h"

namespace qx {

class EditEntryModel;
class ListBoxModel;
struct SkinLook;
struct RowMetrics;
enum class KeyField;

enum class WindowTimer { Housekeeping, Startup, Results, Launch, Resize };

// What the main window's logic asks of the real window. The Win32 window implements it;
// tests use a recording fake.
class IMainWindowView {
public:
    virtual ~IMainWindowView() = default;

    virtual void SetCaption(const std::string& caption) = 0;
    // Top edge at screen height + 5000: out of sight but never destroyed.
    virtual void MoveOffScreen() = 0;
    virtual void CenterOnWorkArea() = 0;
    virtual void ForceForeground() = 0;
    // Shown means visible, on screen and painted; hidden means out of sight.
    virtual void SetFormVisible(bool visible) = 0;
    // False while a modal dialog or message box owns the window.
    virtual bool IsFormEnabled() const = 0;
    virtual void SetTrayIconVisible(bool visible) = 0;
    // A released window no longer hides into the tray and wears the released icon.
    virtual void MarkReleased() = 0;

    virtual void StartTimer(WindowTimer timer, unsigned intervalMs) = 0;
    virtual void StopTimer(WindowTimer timer) = 0;
    // Dispatches the window messages waiting in the queue, then returns.
    virtual void ProcessPendingMessages() = 0;

    virtual void RequestRestore() = 0;   // WM_SYSCOMMAND SC_RESTORE to itself
    virtual void RequestMinimise() = 0;  // WM_SYSCOMMAND SC_MINIMIZE to itself

    // Whether a window of the program's class with this caption exists.
    virtual bool FindInstanceWindow(const std::string& caption) const = 0;
    // Starts a program with the given working folder; false when it could not be started.
    virtual bool StartProgram(const std::string& exePath, const std::string& workingFolder) = 0;

    // The input line and the key capture field; the keys go to the window itself meanwhile.
    virtual void SetInputEnabled(bool enabled) = 0;
    // Sets the input line's text; its change event follows as for typing.
    virtual void SetInputText(const std::string& text) = 0;
    // Puts the input line's caret after its last character.
    virtual void MoveCaretToEnd() = 0;
    // The hidden key capture field normally holds the focus; the input line takes it to edit.
    virtual void FocusField(KeyField field) = 0;
    virtual void ShowInputLine() = 0;
    virtual void ClearKeyCaptureField() = 0;
    virtual void ShowOptionsMenu() = 0;
    // The run-as password prompt; nothing when cancelled.
    virtual std::optional<SecretText> PromptPassword(const std::string& caption, const std::string& prompt) = 0;
    // The list's context menu at the cursor with the visible items; a choice comes back as
    // MainForm::RunRowMenuItem.
    virtual void ShowRowContextMenu(const RowMenuVisibility& visible) = 0;
    // The edit entry dialog, modal over the window and centred on it; returns once it has
    // closed, which the model allows.
    virtual void ShowEntryEditor(EditEntryModel& editor) = 0;
    // Closes the open edit entry dialog as its title bar would.
    virtual void CloseEntryEditor() = 0;
    // False while a message box or the icon picker covers the open edit entry dialog.
    virtual bool IsEntryEditorEnabled() const = 0;
    // The model of the window's result list.
    virtual ListBoxModel& ResultList() = 0;
    // The busy panel centred over the list, in that colour (0xBBGGRR) with the text, painted
    // before this returns.
    virtual void ShowBusyPanel(std::uint32_t colour, const std::string& text) = 0;
    virtual void HideBusyPanel() = 0;
    // Runs window messages as they arrive, for at most timeoutMs.
    virtual void RunMessagesFor(unsigned timeoutMs) = 0;

    // Alpha 0..255 layers the window with magenta as its colour key; kNotLayered gives back
    // the extended style it was created with. False when the window could not be layered.
    virtual bool ApplyOpacity(int alpha) = 0;
    virtual void ApplyStayOnTop(bool onTop) = 0;
    // Sizes the list; the window follows around it.
    virtual void ApplyListSize(int width, int height) = 0;

    // Folder browsing: the input line's text colour (0xBBGGRR), none for the normal colour.
    virtual void SetInputTextColour(std::optional<std::uint32_t> colour) = 0;
    // The whole window takes no keys or clicks while disabled (the shell view navigates).
    virtual void SetFormEnabled(bool enabled) = 0;

    // The active look, after every change of it: the window takes its images, colours, fonts
    // and positions and repaints.
    virtual void ApplySkinLook(const SkinLook& look) = 0;

    // The window frame: ClearType (true) or default quality for the input and button fonts.
    virtual void ApplyFontSmoothing(bool smooth) = 0;

    // What the painted input line shows (its width is the window's): the window repaints
    // it when that changes, never from within this call.
    virtual void SetInputLineState(const InputLineState& state) = 0;

    // Row drawing: the row height, text and icon positions and the row font ("Arial" of the
    // metrics' height, ClearType quality when smoothFonts).
    virtual void ApplyRowMetrics(const RowMetrics& metrics, bool smoothFonts) = 0;
};

}  // namespace qx
