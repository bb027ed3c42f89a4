#include "app/input/KeyCaptureFocus.h"

namespace qx {

void KeyCaptureFocus::SetMenuAttached(bool attached) {
    if (menuAttached_ == attached) return;
    menuAttached_ = attached;
    target_.AttachMainMenu(attached);
}

void KeyCaptureFocus::KeyCaptureEnter() {
    focused_ = KeyField::KeyCapture;
    SetMenuAttached(true);
}

void KeyCaptureFocus::KeyCaptureExit() {
    if (focused_ == KeyField::KeyCapture) focused_ = KeyField::None;
    SetMenuAttached(false);
}

void KeyCaptureFocus::FormEditEnter() {
    focused_ = KeyField::InputLine;
    SetMenuAttached(false);
}

void KeyCaptureFocus::FormEditExit() {
    if (focused_ == KeyField::InputLine) focused_ = KeyField::None;
}

void KeyCaptureFocus::KeyCaptureChange(const std::string& text) {
    if (!text.empty()) target_.ClearKeyCaptureField();
}

void KeyCaptureFocus::FocusKeyCapture() {
    target_.FocusField(KeyField::KeyCapture);
    KeyCaptureEnter();
}

void KeyCaptureFocus::FocusInputLine() {
    target_.ShowInputLine();
    target_.FocusField(KeyField::InputLine);
    FormEditEnter();
}

}  // namespace qx
