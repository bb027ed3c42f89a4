#include "exec/DefaultBrowser.h"

#include <algorithm>
#include <charconv>

namespace qx {
namespace {

constexpr const char* kHttpOpenCommand = "HTTP\\shell\\open\\command";
constexpr const char* kUserChoiceKey =
    "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice";
constexpr const char* kWindowMetricsKey = "Control Panel\\Desktop\\WindowMetrics";
constexpr int kDefaultShellIconSize = 32;

}  // namespace

std::string OpenCommandProgram(std::string_view command) {
    std::string program(command);
    std::size_t from = program.rfind('\\');
    if (from == std::string::npos) from = 0;
    const std::size_t dot = program.find('.', from);
    if (dot != std::string::npos) {
        const std::size_t blank = program.find(' ', dot);
        if (blank != std::string::npos) program.erase(blank);
    }
    program.erase(std::remove(program.begin(), program.end(), '"'), program.end());
    return program;
}

std::string DefaultBrowserOpenCommand(const IRegistry& registry, int windowsVersionNumber) {
    if (windowsVersionNumber > 501) {
        const std::string progId = ReadRegistryString(registry, RegistryRoot::CurrentUser, kUserChoiceKey, "Progid");
        if (!progId.empty())
            return ReadRegistryString(registry, RegistryRoot::ClassesRoot, progId + "\\shell\\open\\command", "");
    }
    return ReadRegistryString(registry, RegistryRoot::ClassesRoot, kHttpOpenCommand, "");
}

std::string DefaultBrowserProgram(const IRegistry& registry, int windowsVersionNumber) {
    const std::string command = DefaultBrowserOpenCommand(registry, windowsVersionNumber);
    return command.empty() ? std::string() : OpenCommandProgram(command);
}

int ShellIconSize(const IRegistry& registry) {
    std::string text = ReadRegistryString(registry, RegistryRoot::CurrentUser, kWindowMetricsKey, "Shell Icon Size");
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return kDefaultShellIconSize;
    text.erase(0, first);
    text.erase(text.find_last_not_of(' ') + 1);
    int size = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (error != std::errc() || end != text.data() + text.size()) return kDefaultShellIconSize;
    return size;
}

}  // namespace qx
