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

Status ReadListFile(std::string& contents, const std::string& file, const IFileSystem& fs) {
    Status status = fs.ReadFile(file, contents);
    if (!status) contents.clear();
    return status;
}

Status LoadListFile(std::vector<std::string>& list, const std::string& file, const IFileSystem& fs) {
    std::string contents;
    Status status = ReadListFile(contents, file, fs);
    if (!status) {
        list.clear();
        return status;
    }
    SplitLines(contents, list);
    return status;
}

Status SaveListFile(const std::vector<std::string>& list, const std::string& file, IFileSystem& fs) {
    return SaveTextFile(JoinLines(list), file, fs);
}

Status SaveTextFile(const std::string& text, const std::string& file, IFileSystem& fs) {
    return fs.WriteFileAtomic(file, text);
}

}  // namespace qx
