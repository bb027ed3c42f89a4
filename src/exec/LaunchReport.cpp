#include "exec/LaunchReport.h"

#include "exec/LaunchRequest.h"
#include "text/LanguageStrings.h"

namespace qx {
namespace {

bool EndsWithLowered(std::string_view text, std::string_view lowerSuffix) {
    if (text.size() < lowerSuffix.size()) return false;
    const std::string_view tail = text.substr(text.size() - lowerSuffix.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerSuffix[i]) return false;
    }
    return true;
}

std::string FileReport(int code, std::string_view fileName, int lang, const SystemTextFunction& systemText) {
    switch (code) {
        case 2:
            return LangText(texts::NotFoundStart, lang) + ShortName(fileName) + LangText(texts::NotFoundEnd, lang);
        case 3:
            return LangText(texts::PathStart, lang) + ShortName(fileName) + LangText(texts::NotFoundEnd, lang);
        case 5:
            return LangText(texts::AccessStart, lang) + ShortName(fileName) + LangText(texts::AccessEnd, lang);
        case 31:
            // Shortcuts without an association usually mean a tweak tool removed the arrow overlay.
            return EndsWithLowered(fileName, ".lnk") || EndsWithLowered(fileName, ".url")
                       ? LangText(texts::NoAssociationLink, lang)
                       : LangText(texts::NoAssociation, lang);
        default:
            if (!IsFailure(code, systemText)) return {};
            return LangText(texts::ErrorWord, lang) + " " + std::to_string(code) + ": " + systemText(code);
    }
}

}  // namespace

bool IsFailure(int code, const SystemTextFunction& systemText) {
    switch (code) {
        case 0:
        case 1:
        case 2:
        case 33:
        case 42:
            return false;
        default:
            return systemText && !systemText(code).empty();
    }
}

std::string LaunchReportText(std::uint8_t kind, int code, std::string_view fileName, int languageIndex,
                             const SystemTextFunction& systemText) {
    const int lang = languageIndex;
    if (kind & launch_kind::kFile) return FileReport(code, fileName, lang, systemText);
    // A command or address the shell cannot find failed too; only an empty one (a bare marker
    // row, no browser known) was no launch at all.
    const bool notFound = code == 2 && !fileName.empty();
    if (!notFound && !IsFailure(code, systemText)) return {};
    if ((kind & launch_kind::kWebAddress) && (kind & launch_kind::kDefaultBrowser))
        return std::to_string(code) + ": " + LangText(texts::BrowserFailed, lang);
    if (kind & launch_kind::kWebAddress)
        return std::to_string(code) + ": " + LangText(texts::UrlStart, lang) + ShortName(fileName) +
               LangText(texts::UrlEnd, lang);
    if (kind & launch_kind::kCommand)
        return LangText(texts::CommandStart, lang) + ShortName(fileName) + LangText(texts::CommandEnd, lang);
    return {};
}

}  // namespace qx
