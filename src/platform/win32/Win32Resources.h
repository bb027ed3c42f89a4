#pragma once
#include "platform/win32/Win32Api.h"

#include "platform/Resources.h"

namespace qx {

// The bitmaps compiled into a module (the running program unless another is given).
class Win32Resources final : public IResources {
public:
    explicit Win32Resources(HMODULE module = nullptr) : module_(module) {}
    std::optional<std::string> BitmapResource(int id) const override;

private:
    HMODULE module_;
};

}  // namespace qx
