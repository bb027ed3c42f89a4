#include "store/PathResolver.h"

#include "text/CaseFold.h"
#include "text/PathText.h"

namespace qx {
namespace {

const std::string* ShellRootByName(std::string_view root, const ShellRootNames& names) {
    if (root == "rfRecycleBin") return &names.recycleBin;
    if (root == "rfMyComputer") return &names.myComputer;
    if (root == "rfControlPanel") return &names.controlPanel;
    if (root == "rfNetwork") return &names.network;
    return nullptr;
}

// Replaces every "@Shell <root>;" by the root's display name. Stops at a piece without
// ";", with an empty or unknown root name, so a malformed piece stays visible as written.
bool ExpandShellMarkers(std::string& path, const ShellRootNames& names) {
    static constexpr std::string_view kMarker = "@Shell ";
    bool replaced = false;
    size_t from = 0;
    while (true) {
        const size_t start = path.find(kMarker, from);
        if (start == std::string::npos) break;
        const size_t nameStart = start + kMarker.size();
        const size_t end = path.find(';', nameStart);
        if (end == std::string::npos || end == nameStart) break;
        const std::string* display = ShellRootByName(std::string_view(path).substr(nameStart, end - nameStart), names);
        if (display == nullptr) break;
        path.replace(start, end + 1 - start, *display);
        from = start + display->size();
        replaced = true;
    }
    return replaced;
}

}  // namespace

std::string ResolveEntryPath(std::string_view path, bool expandShellMarkers, const PathContext& context) {
    std::string result = context.system.ExpandEnvironmentStrings(std::string(path));

    const FolderSet& folders = context.folders;
    const std::pair<std::string_view, const std::string*> markers[] = {
        {"@Launch ", &folders.standardEntriesFolder},
        {"@QuilloxData ", &folders.dataFolder},
        {"@ImportFilters ", &folders.importFiltersFolder},
        {"@Quillox ", &folders.programFolder},
    };
    for (const auto& [marker, folder] : markers) {
        if (result.starts_with(marker)) return *folder + result.substr(marker.size());
    }

    if (expandShellMarkers && ExpandShellMarkers(result, context.shellRoots)) result.insert(0, 1, '\\');

    // Later Windows versions have no Control Panel below My Computer.
    const ShellRootNames& roots = context.shellRoots;
    if (context.system.WindowsVersionNumber() > 501 && !roots.myComputer.empty() && !roots.controlPanel.empty()) {
        const std::string nested = roots.myComputer + roots.controlPanel;
        const size_t at = result.find(nested);
        if (at != std::string::npos) result.replace(at, nested.size(), roots.controlPanel);
    }

    return ResolveRelativePath(WithoutTrailingBackslash(folders.programFolder), result);
}

std::string ResolveRelativePath(std::string_view base, std::string_view path) {
    base = WithoutTrailingBackslash(base);
    static constexpr std::string_view kUp = "..\\";
    size_t levels = 0;
    while (path.substr(levels * kUp.size()).starts_with(kUp)) ++levels;

    if (levels > 0) {
        const std::string_view rest = path.substr(levels * kUp.size());
        size_t cut = base.size();
        for (size_t i = 0; i < levels; ++i) {
            cut = cut == 0 ? std::string_view::npos : base.rfind('\\', cut - 1);
            if (cut == std::string_view::npos) return std::string(rest);
        }
        std::string result(base.substr(0, cut + 1));
        result.append(rest);
        return result;
    }
    if (path.starts_with(".\\")) {
        std::string result(base);
        result.push_back('\\');
        result.append(path.substr(2));
        return result;
    }
    return std::string(path);
}

std::string MakeRelativePath(std::string_view base, std::string_view path) {
    base = WithoutTrailingBackslash(base);
    if (path.size() > base.size() && path[base.size()] == '\\' && SameText(path.substr(0, base.size()), base)) {
        return ".\\" + std::string(path.substr(base.size() + 1));
    }
    if (base.empty() || path.empty() || FoldCase(static_cast<unsigned char>(base[0])) !=
                                            FoldCase(static_cast<unsigned char>(path[0]))) {
        return std::string(path);
    }
    size_t common = 0;
    while (common < base.size() && common < path.size() &&
           FoldCase(static_cast<unsigned char>(base[common])) == FoldCase(static_cast<unsigned char>(path[common]))) {
        ++common;
    }
    const size_t lastSlash = path.substr(0, common).rfind('\\');
    common = lastSlash == std::string_view::npos ? 0 : lastSlash + 1;

    size_t levels = 1;
    for (size_t i = common; i < base.size(); ++i) {
        if (base[i] == '\\') ++levels;
    }
    std::string result;
    result.reserve(levels * 3 + path.size() - common);
    for (size_t i = 0; i < levels; ++i) result.append("..\\");
    result.append(path.substr(common));
    return result;
}

}  // namespace qx
