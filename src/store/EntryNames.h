#pragma once
#include <string>
#include <string_view>

namespace qx {

// Names of 21 characters or more are shown as their first 9, " ... " and their last 11.
std::string ShortName(std::string_view name);
// The name as the user types it: without the " (NoDelete)" marker and without a kind prefix
// ("url: ", "exe: "). The in-place rename starts from this text.
std::string PlainEntryName(std::string_view name);
// The full Name for a typed name and the kind marks of an entry: name, then " (NoDelete)",
// then the "url: " or "exe: " prefix in front (url wins when both are set).
std::string ComposeEntryName(std::string_view plainName, bool noDelete, bool url, bool command);

}  // namespace qx
