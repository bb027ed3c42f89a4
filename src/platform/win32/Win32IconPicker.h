#pragma once
#include "platform/win32/Win32Api.h"

#include "platform/IconPicker.h"

namespace qx {

// The shell's "Change Icon" dialog, modal over its owner.
class Win32IconPicker final : public IIconPicker {
public:
    explicit Win32IconPicker(HWND owner) : owner_(owner) {}
    std::optional<IconChoice> PickIcon(const IconChoice& start) override;

private:
    HWND owner_;
};

}  // namespace qx
