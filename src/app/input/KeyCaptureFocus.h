#pragma once
#include <string>

#include "app/input/KeyboardTarget.h"

namespace qx {

// Where the keyboard focus is. It normally rests in the hidden key capture field, whose
// typed characters the key press handling appends to the input line; the visible input
// line, once clicked or tabbed to, edits its text itself. The main menu's shortcuts are
// live only while the key capture field has the focus, so Ctrl+C/V/X act on rows there and
// on text in the input line.
class KeyCaptureFocus {
public:
    explicit KeyCaptureFocus(IKeyboardTarget& target) : target_(target) {}

    KeyField Focused() const { return focused_; }
    bool InputLineFocused() const { return focused_ == KeyField::InputLine; }
    bool KeyCaptureFocused() const { return focused_ == KeyField::KeyCapture; }
    bool MainMenuAttached() const { return menuAttached_; }

    // Focus events of the two fields.
    void KeyCaptureEnter();
    void KeyCaptureExit();
    void FormEditEnter();
    void FormEditExit();
    // The key capture field keeps no text of its own.
    void KeyCaptureChange(const std::string& text);

    // Moves the focus; the window's focus events follow, and the state is set at once too
    // so that callers see it before those events arrive.
    void FocusKeyCapture();
    // Tab in the key capture field: the input line shows and takes the focus.
    void FocusInputLine();

private:
    void SetMenuAttached(bool attached);

    IKeyboardTarget& target_;
    KeyField focused_ = KeyField::None;
    bool menuAttached_ = false;
};

}  // namespace qx
