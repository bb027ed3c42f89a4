#include "exec/InternetShortcut.h"

#include <charconv>
#include <string>

#include "exec/LaunchText.h"
#include "text/PathText.h"

namespace qx {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

int DecimalOrZero(const std::string& text) {
    int value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last && first != last ? value : 0;
}

}  // namespace

std::optional<ShellLink> ParseInternetShortcut(std::string_view text) {
    struct Field {
        std::string_view name;
        std::string* text;
        int* number;
        bool seen = false;
    };
    ShellLink link;
    Field fields[] = {{"URL", &link.url, nullptr},
                      {"WorkingDirectory", &link.workingDirectory, nullptr},
                      {"IconFile", &link.iconFile, nullptr},
                      {"ShowCommand", nullptr, &link.showCommand},
                      {"IconIndex", nullptr, &link.iconIndex},
                      {"HotKey", nullptr, &link.hotKey}};

    while (!text.empty()) {
        // Lines end at CR, LF or CR LF, as in any Windows text file.
        std::size_t end = text.find_first_of("\r\n");
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end);
        if (text.starts_with("\r\n")) text.remove_prefix(2);
        else if (!text.empty()) text.remove_prefix(1);

        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string name = TrimBlanks(line.substr(0, equals));
        for (Field& field : fields) {
            if (field.seen || !SameName(name, field.name)) continue;
            field.seen = true;
            const std::string value = TrimBlanks(line.substr(equals + 1));
            if (field.text) *field.text = value;
            else *field.number = DecimalOrZero(value);
        }
    }
    if (link.url.empty()) return std::nullopt;
    return link;
}

}  // namespace qx
