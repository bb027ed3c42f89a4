#pragma once
#include "platform/win32/Win32Api.h"

#include "platform/win32/UniqueHandle.h"

namespace qx {

// Up to seven icons, numbered 1 to 7, each an own copy of the icon it was given.
class IconList {
public:
    static constexpr int kCount = 7;
    // Keeps a copy of `icon` (none clears the slot). Numbers outside 1..7 are ignored.
    void Set(int number, HICON icon);
    HICON Get(int number) const;

private:
    UniqueIcon icons_[kCount];
};

}  // namespace qx
