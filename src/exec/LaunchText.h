#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "exec/LaunchRequest.h"

namespace qx {

// The kind markers that begin entry Names and the rows of the command and URL modes.
inline constexpr std::string_view kUrlMarker = "url: ";
inline constexpr std::string_view kCommandMarker = "exe: ";

// Turns a stored path into an absolute one (ResolveEntryPath without its shell markers).
using PathExpander = std::function<std::string(std::string_view path)>;

// The text before the first blank, expanded. Quotes mean nothing here, so a quoted program
// path with blanks is cut inside the quotes; commands have always been split this way.
std::string CommandProgram(std::string_view text, const PathExpander& expand);
// Everything after the first blank, as it is; empty without a blank.
std::string CommandArguments(std::string_view text);
// The text after the first blank of a marked text ("url: ", "exe: "); an unmarked text
// is kept only when asked to, else the result is empty.
std::string StripKindPrefix(std::string_view text, bool keepUnmarked);
// Blanks become "%20"; nothing else is encoded, so an address is never cut at a blank.
std::string EncodeUrlSpaces(std::string_view text);
// The address as the default browser gets it: that browser wants no scheme on its command
// line, so "http://" (else "https://") is dropped for it; every other browser gets the url.
std::string BrowserUrlArgument(std::string_view url, std::string_view browserPath);

// The text in double quotes, as one command-line argument (inner quotes are not escaped).
std::string Quoted(std::string_view text);

// Everything up to and including the last backslash or colon; empty when there is neither.
std::string FolderPart(std::string_view path);

}  // namespace qx
