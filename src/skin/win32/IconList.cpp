#include "skin/win32/IconList.h"

namespace qx {

void IconList::Set(int number, HICON icon) {
    if (number < 1 || number > kCount) return;
    icons_[number - 1].reset(icon ? CopyIcon(icon) : nullptr);
}

HICON IconList::Get(int number) const {
    if (number < 1 || number > kCount) return nullptr;
    return icons_[number - 1].get();
}

}  // namespace qx
