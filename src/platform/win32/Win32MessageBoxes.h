#pragma once
#include "platform/win32/Win32Api.h"

#include "platform/MessageBoxes.h"

namespace qx {

// Modal boxes captioned with the application title and owned by the main window once it exists.
class Win32MessageBoxes : public IMessageBoxes {
public:
    static constexpr const char* kCaption = "Quillox";

    explicit Win32MessageBoxes(HWND owner = nullptr) : owner_(owner) {}

    void SetOwner(HWND owner) { owner_ = owner; }
    HWND owner() const { return owner_; }

    void ShowMessage(const std::string& text) override;
    bool AskQuestion(const std::string& text) override;
    void ShowError(const std::string& text) override;

private:
    int Show(const std::string& text, UINT type) const;

    HWND owner_;
};

}  // namespace qx
