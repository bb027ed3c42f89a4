#include "store/ListFile.h"

namespace qx {

void SplitLines(std::string_view text, std::vector<std::string>& lines) {
    lines.clear();
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(pos));
            break;
        }
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end + 1;
        if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    }
}

std::string JoinLines(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text.append(line);
        text.append("\r\n");
    }
    return text;
}

bool LoadListFile(std::vector<std::string>& list, const std::string& file, const IFileSystem& fs,
                  IMessageBoxes& boxes) {
    std::string contents;
    const Status status = fs.ReadFile(file, contents);
    if (!status) {
        list.clear();
        boxes.ShowError(status.message());
        return false;
    }
    SplitLines(contents, list);
    return true;
}

bool SaveListFile(const std::vector<std::string>& list, const std::string& file, IFileSystem& fs,
                  IMessageBoxes& boxes) {
    return SaveTextFile(JoinLines(list), file, fs, boxes);
}

bool SaveTextFile(const std::string& text, const std::string& file, IFileSystem& fs, IMessageBoxes& boxes) {
    const Status status = fs.WriteFileAtomic(file, text);
    if (!status) {
        boxes.ShowError(status.message());
        return false;
    }
    return true;
}

}  // namespace qx
