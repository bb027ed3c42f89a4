#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "store/EntryNames.h"

namespace qx {

// The system's message for a code (IShellLauncher::SystemText).
using SystemTextFunction = std::function<std::string(int code)>;

// Whether a worker's result code is a failure worth a message. The shell's success values
// (33, 42) and the codes with messages of their own or none (0, 1, 2) never are; any other code
// is exactly when the system has a text for it.
bool IsFailure(int code, const SystemTextFunction& systemText);

// The message for a finished launch of the given kind bits, or empty when it succeeded. Code 2
// (not found) has a message for every kind with a file name.
std::string LaunchReportText(std::uint8_t kind, int code, std::string_view fileName, int languageIndex,
                             const SystemTextFunction& systemText);

}  // namespace qx
