#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qx {

// A most-recent-first list of launched lines (commands or web addresses) and the file it
// lives in. Lines that differ only in letter case count as the same line.
class History {
public:
    static constexpr int kMaxLines = 100;

    explicit History(std::string file) : file_(std::move(file)) {}

    const std::string& File() const { return file_; }
    const std::vector<std::string>& Lines() const { return lines_; }
    std::vector<std::string>& Lines() { return lines_; }
    int Count() const { return static_cast<int>(lines_.size()); }

    // Index of the first line equal to line case-insensitively, or -1.
    int IndexOf(std::string_view line) const;
    // Puts line on top, dropping an older copy of it and the lines past kMaxLines.
    void MoveToTop(std::string line);
    bool Delete(std::string_view line);

    // A file that exists but could not be read may hold lines a transient error hid; until a
    // later load succeeds it is not replaced by what this session remembers.
    void NoteLoad(bool succeeded) { saveBlocked_ = !succeeded; }
    bool saveBlocked() const { return saveBlocked_; }

private:
    std::string file_;
    std::vector<std::string> lines_;
    bool saveBlocked_ = false;
};

}  // namespace qx
