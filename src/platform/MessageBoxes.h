#pragma once
#include <string>

namespace qx {

// Modal message boxes owned by the main window. Texts use a single CR as line break.
class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;

    // A plain box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // A confirmation box with the question icon and Yes/No; true when Yes was chosen.
    virtual bool AskQuestion(const std::string& text) = 0;
    // The standard error box used for failures caught at an event boundary.
    virtual void ShowError(const std::string& text) = 0;
};

}  // namespace qx
