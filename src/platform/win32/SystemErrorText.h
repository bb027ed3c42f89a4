#pragma once
#include <string>

namespace qx {

// The system's message for a Win32 error code (FormatMessageA, no inserts) with the trailing
// line break and blanks removed; the closing full stop stays. Empty for unknown codes.
std::string SystemErrorText(unsigned long code);

// The same text with trailing full stops cut as well, for messages that append to it.
std::string SystemErrorTextWithoutStop(unsigned long code);

// SystemErrorText(GetLastError()).
std::string LastErrorText();

}  // namespace qx
