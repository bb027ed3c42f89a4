#pragma once
// Include this instead of <windows.h>. The platform interfaces have methods named DeleteFile
// and ExpandEnvironmentStrings; the A/W switch macros of those names would silently rename them
// in every file that sees <windows.h>, so overrides and calls stop matching. Win32 code calls
// the ...A functions by their full names anyway.
#include <windows.h>

#undef DeleteFile
#undef ExpandEnvironmentStrings
