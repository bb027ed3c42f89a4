#include "store/EntryNames.h"

#include "store/Entry.h"

namespace qx {
namespace {

constexpr std::string_view kNoDeleteMarker = " (NoDelete)";
constexpr std::string_view kUrlPrefix = "url: ";
constexpr std::string_view kCommandPrefix = "exe: ";

}  // namespace

std::string ShortName(std::string_view name) {
    if (name.size() < 21) return std::string(name);
    return std::string(name.substr(0, 9)) + " ... " + std::string(name.substr(name.size() - 11));
}

std::string PlainEntryName(std::string_view name) {
    std::string plain(name);
    if (const size_t marker = plain.find(kNoDeleteMarker); marker != std::string::npos)
        plain.erase(marker, kNoDeleteMarker.size());
    if (IsUrlEntry(plain) || IsCommandEntry(plain)) plain.erase(0, plain.find(' ') + 1);
    return plain;
}

std::string ComposeEntryName(std::string_view plainName, bool noDelete, bool url, bool command) {
    std::string name(plainName);
    if (noDelete) name += kNoDeleteMarker;
    if (url) name.insert(0, kUrlPrefix);
    else if (command) name.insert(0, kCommandPrefix);
    return name;
}

}  // namespace qx
