#pragma once
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace qx {

// The program path of a shell open command: from the last "\" (or the start) on to the first
// ".", the text is cut at the first blank after it; then every double quote goes. A command
// whose arguments hold a backslash is therefore cut inside those arguments, not after the
// program.
std::string OpenCommandProgram(std::string_view command);

// The open command of the default web browser: the HTTP class on Windows XP and older
// (version number 501 or lower), later the user's recorded choice, falling back to the HTTP class
// when none is recorded. "" when nothing is registered.
std::string DefaultBrowserOpenCommand(const IRegistry& registry, int windowsVersionNumber);

// The default browser's program path; "" when none is registered.
std::string DefaultBrowserProgram(const IRegistry& registry, int windowsVersionNumber);

// The shell's icon size in pixels; 32 when unset, empty or not a number.
int ShellIconSize(const IRegistry& registry);

}  // namespace qx
