#pragma once
#include "platform/VirtualKeys.h"

namespace qx {

// Typed characters with a meaning of their own.
inline constexpr char kEnterChar = '\r';
inline constexpr char kEscapeChar = '\x1B';
// Separates the columns of the entry file, so it can never be typed.
inline constexpr char kPipeChar = '|';

}  // namespace qx
