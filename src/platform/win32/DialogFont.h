#pragma once
#include "platform/win32/UniqueHandle.h"

namespace qx {

// The font the system uses for message boxes, for the dialogs built from code; none when the
// system will not say.
UniqueFont CreateDialogFont();

}  // namespace qx
