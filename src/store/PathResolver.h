#pragma once
#include <string>
#include <string_view>

#include "platform/SystemInfo.h"
#include "store/FolderSet.h"

namespace qx {

// What a stored path may refer to besides the file system itself.
struct PathContext {
    const FolderSet& folders;
    const ShellRootNames& shellRoots;  // each name ends in a backslash
    const ISystemInfo& system;
};

// Turns a stored path into an absolute one: environment variables, then the first of
// "@Launch ", "@QuilloxData ", "@ImportFilters ", "@Quillox " at the very start, else (when
// expandShellMarkers) every "@Shell <root>;" piece, the My Computer + Control Panel
// shortcut of later Windows versions, and finally ".\" and "..\" against ProgramFolder.
std::string ResolveEntryPath(std::string_view path, bool expandShellMarkers, const PathContext& context);

// base is a folder, with or without its trailing backslash. "..\" prefixes climb out of
// base, a ".\" prefix stays in it; any other path is returned as it is.
std::string ResolveRelativePath(std::string_view base, std::string_view path);
// The inverse: path relative to base (compared case-insensitively, path's letters kept);
// a path on another drive, or already relative, is returned as it is.
std::string MakeRelativePath(std::string_view base, std::string_view path);

}  // namespace qx
