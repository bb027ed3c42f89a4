#include "store/ListFile.h"

namespace qx {

std::vector<std::string_view> SplitLineViews(std::string_view text) {
    std::vector<std::string_view> lines;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        lines.push_back(text.substr(pos, end - pos));
        if (end == text.size()) break;
        pos = end + 1;
        if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    }
    return lines;
}

void SplitLines(std::string_view text, std::vector<std::string>& lines) {
    const std::vector<std::string_view> views = SplitLineViews(text);
    lines.assign(views.begin(), views.end());
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

bool ReadListFile(std::string& contents, const std::string& file, const IFileSystem& fs, IMessageBoxes& boxes) {
    const Status status = fs.ReadFile(file, contents);
    if (!status) {
        contents.clear();
        boxes.ShowError(status.message());
        return false;
    }
    return true;
}

bool LoadListFile(std::vector<std::string>& list, const std::string& file, const IFileSystem& fs,
                  IMessageBoxes& boxes) {
    std::string contents;
    if (!ReadListFile(contents, file, fs, boxes)) {
        list.clear();
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
