#include "app/input/KeyPressRules.h"

namespace qx {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

KeyPressExpansion SetTo(std::string text, bool expand = false) {
    return {KeyPressExpansion::Kind::SetInput, std::move(text), expand};
}

std::string DriveRoot(const std::string& folderChar, char letter) {
    return folderChar + UpperAscii(letter) + ":\\";
}

}  // namespace

bool IsFileSystemPath(std::string_view path) {
    if (path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':') return true;
    return path.starts_with("\\\\");
}

KeyPressExpansion ExpandTypedChar(char c, std::string_view input, const PrefixCharacters& prefixes,
                                  const ShellFolderPaths& shellPaths) {
    const std::string& folderChar = prefixes.FolderSearchChar();
    if (c == ':' && input.size() == 1 && IsAsciiLetter(input[0])) return SetTo(DriveRoot(folderChar, input[0]));
    // An empty folder field maps nothing, so an empty input must not count as "equals F".
    if (!folderChar.empty() && input == folderChar && IsAsciiLetter(c)) return SetTo(DriveRoot(folderChar, c));
    if (!input.empty()) return {};

    // All three URL characters start from the www character, the only one the URL search
    // needs; the address prefix is written out for the user.
    const std::string& wwwChar = prefixes.Field(PrefixRow::ExecUrlWww);
    switch (prefixes.MapShortcutChar(c)) {
        case '.':
            return SetTo(wwwChar + "http://www.");
        case '+':
            return SetTo(wwwChar);
        case '-':
            return SetTo(wwwChar + "http://");
        case '#':
            return {KeyPressExpansion::Kind::OpenWebSearch, {}, false};
        case ':':
            return SetTo(folderChar + "\\" + shellPaths.computer + "\\");
        case '\\':
            return SetTo(folderChar + "\\");
        case '_':
            return SetTo(folderChar + "\\" + shellPaths.computer + "\\" + shellPaths.controlPanel + "\\", true);
        default:
            return {};
    }
}

bool DropInFolderBrowsing(char c, std::string_view input, std::string_view queryTail, bool inputLineFocused) {
    if (!IsFileSystemPath(queryTail)) return false;
    if (c == ':') return true;
    return c == '\\' && !inputLineFocused && !input.empty() && input.back() == '\\';
}

}  // namespace qx
