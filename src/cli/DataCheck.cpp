#include "cli/DataCheck.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <unordered_map>

#include "store/Settings.h"
#include "text/CaseFold.h"

namespace qx {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kEscapePrefix = "%_ESC_%";
constexpr int kEntryColumns = 13;
constexpr int kIconIndexColumn = 6;
constexpr int kWinVersionColumn = 12;
constexpr int kHistoryLines = 100;

std::string Quoted(std::string_view text) { return std::string("\"") + std::string(text) + "\""; }

class Report {
public:
    explicit Report(std::string file) : file_(std::move(file)) {}
    void Add(int line, std::string text) { problems_.push_back({file_, line, std::move(text)}); }
    // Line order; within a line, the order of finding (byte faults before format faults).
    std::vector<DataProblem> Take() {
        std::stable_sort(problems_.begin(), problems_.end(),
                         [](const DataProblem& a, const DataProblem& b) { return a.line < b.line; });
        return std::move(problems_);
    }

private:
    std::string file_;
    std::vector<DataProblem> problems_;
};

// Splits as the program's reader does (CR LF, LF and CR each end a line, a byte order mark
// is dropped) and reports every byte the program would not have written.
std::vector<std::string_view> SplitAndCheckBytes(std::string_view bytes, Report& report) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    if (bytes.starts_with(kByteOrderMark)) {
        report.Add(1, "UTF-8 byte order mark (the file is read as Windows-1252 text)");
        pos = kByteOrderMark.size();
    }
    while (pos < bytes.size()) {
        const int number = static_cast<int>(lines.size()) + 1;
        std::size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        const std::string_view line = bytes.substr(pos, end - pos);
        lines.push_back(line);
        if (const std::size_t nul = line.find('\0'); nul != std::string_view::npos)
            report.Add(number, std::string("NUL byte at column ") + std::to_string(nul + 1));
        if (line.size() > kLongLineBytes)
            report.Add(number, std::string("line of ") + std::to_string(line.size()) + " bytes (longer than " +
                                   std::to_string(kLongLineBytes) + ")");
        if (end == bytes.size()) break;
        if (bytes[end] == '\n') {
            report.Add(number, "line ends with a bare LF (not CR LF)");
            pos = end + 1;
        } else if (end + 1 < bytes.size() && bytes[end + 1] == '\n') {
            pos = end + 2;
        } else {
            report.Add(number, "line ends with a bare CR (not CR LF)");
            pos = end + 1;
        }
    }
    return lines;
}

// The integer columns of an entry line: an optional sign and decimal digits within 32 bits.
bool IsEntryInteger(std::string_view text) {
    std::size_t pos = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    const bool negative = pos == 1 && text[0] == '-';
    if (pos == text.size()) return false;
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        if (text[pos] < '0' || text[pos] > '9') return false;
        value = value * 10 + (text[pos] - '0');
        if (value > static_cast<std::int64_t>(INT_MAX) + 1) return false;
    }
    return negative || value <= INT_MAX;
}

struct EntryColumns {
    std::vector<std::string> columns;
    bool strayEscape = false;  // "%" before anything but "%" or "|", or at the line's end
};

EntryColumns SplitEntryColumns(std::string_view line) {
    EntryColumns result;
    const bool escaped = line.starts_with(kEscapePrefix);
    if (escaped) line.remove_prefix(kEscapePrefix.size());
    std::string column;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (escaped && c == '%') {
            if (i + 1 == line.size()) {
                result.strayEscape = true;
                break;
            }
            const char next = line[++i];
            if (next != '%' && next != '|') result.strayEscape = true;
            column.push_back(next);
        } else if (c == '|') {
            result.columns.push_back(std::move(column));
            column.clear();
        } else {
            column.push_back(c);
        }
    }
    result.columns.push_back(std::move(column));
    return result;
}

enum class KeyKind { Integer, Flag, Text, Character };

struct KeyRule {
    const char* key;
    KeyKind kind;
    int minimum = 0;
    int maximum = 0;
};

// Every key the program reads, with the values it accepts without falling back to a default.
constexpr KeyRule kKeyRules[] = {
    {"Version", KeyKind::Integer, 0, INT_MAX},
    {"Language", KeyKind::Integer, 0, 1},
    {"Opacity", KeyKind::Integer, kNotLayered, 100},
    {"lbWidth", KeyKind::Integer, kMinListExtent, kMaxListExtent},
    {"lbHeight", KeyKind::Integer, kMinListExtent, kMaxListExtent},
    {"reWidth", KeyKind::Integer, kMinListExtent, kMaxListExtent},
    {"reHeight", KeyKind::Integer, kMinListExtent, kMaxListExtent},
    {"StayOnTop", KeyKind::Flag},
    {"NoAutoMinInFolderSearch", KeyKind::Flag},
    {"LockQuilloxUntilExecDone", KeyKind::Flag},
    {"32*32-Icons", KeyKind::Flag},
    {"32*32-Search", KeyKind::Flag},
    {"MacOSSkin", KeyKind::Integer, 0, INT_MAX},
    {"SmoothFonts", KeyKind::Flag},
    {"CustomSkin", KeyKind::Text},
    {"CustomBackgroundPath", KeyKind::Text},
    {"EditEntryWinver", KeyKind::Flag},
    {"OpenGoogleChar", KeyKind::Character},
    {"FolderSearchChar", KeyKind::Character},
    {"MyComputerChar", KeyKind::Character},
    {"DesktopChar", KeyKind::Character},
    {"DeviceControlChar", KeyKind::Character},
    {"ExecWinChar", KeyKind::Character},
    {"ExecURLChar", KeyKind::Character},
    {"ExecURLwwwChar", KeyKind::Character},
    {"ExecHttpChar", KeyKind::Character},
};

const KeyRule* FindKeyRule(std::string_view key) {
    for (const KeyRule& rule : kKeyRules) {
        const std::string_view name = rule.key;
        if (name.size() == key.size() &&
            std::equal(name.begin(), name.end(), key.begin(), [](char a, char b) {
                auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
                return lower(a) == lower(b);
            }))
            return &rule;
    }
    return nullptr;
}

// An empty value means the default to the program, so only a non-empty one can be wrong.
void CheckSettingValue(const KeyRule& rule, const std::string& value, int number, Report& report) {
    const std::string key = rule.key;
    switch (rule.kind) {
        case KeyKind::Text:
            return;
        case KeyKind::Character:
            if (value.size() > 1) report.Add(number, key + " holds more than one character: " + Quoted(value));
            return;
        case KeyKind::Flag:
            if (value != "0" && value != "1") report.Add(number, key + " is not a flag (0 or 1): " + Quoted(value));
            return;
        case KeyKind::Integer: {
            int parsed = 0;
            if (!ParseDecimal(value, parsed)) {
                report.Add(number, key + " is not a decimal number: " + Quoted(value));
            } else if (parsed < rule.minimum || parsed > rule.maximum) {
                report.Add(number, key + " " + value + " is out of range (" + std::to_string(rule.minimum) + ".." +
                                       std::to_string(rule.maximum) + ")");
            }
            return;
        }
    }
}

}  // namespace

std::string FormatProblem(const DataProblem& problem) {
    if (problem.line == 0) return problem.file + ": " + problem.text;
    return problem.file + ":" + std::to_string(problem.line) + ": " + problem.text;
}

std::vector<DataProblem> CheckEntryFile(std::string_view bytes) {
    Report report("Files.txt");
    const std::vector<std::string_view> lines = SplitAndCheckBytes(bytes, report);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (lines[i].empty()) {
            report.Add(number, "blank line (no entry)");
            continue;
        }
        const EntryColumns parsed = SplitEntryColumns(lines[i]);
        const std::vector<std::string>& columns = parsed.columns;
        if (columns[0].empty()) report.Add(number, "empty Name (the line is skipped)");
        if (parsed.strayEscape) report.Add(number, "\"%\" not followed by \"%\" or \"|\" in an escaped line");
        if (columns.size() > static_cast<std::size_t>(kEntryColumns))
            report.Add(number, std::to_string(columns.size()) + " columns (those past the 13th are ignored)");
        auto checkInteger = [&](int column, const char* name) {
            if (columns.size() > static_cast<std::size_t>(column) && !columns[column].empty() &&
                !IsEntryInteger(columns[column]))
                report.Add(number, std::string(name) + " is not a decimal number: " + Quoted(columns[column]));
        };
        checkInteger(kIconIndexColumn, "IconIndex");
        checkInteger(kWinVersionColumn, "WinVersion");
    }
    return report.Take();
}

std::vector<DataProblem> CheckSettingsFile(std::string_view bytes) {
    Report report("config.cfg");
    const std::vector<std::string_view> lines = SplitAndCheckBytes(bytes, report);
    std::map<const KeyRule*, int> firstLine;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string_view line = lines[i];
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            report.Add(number, "no \"=\" (the line is ignored)");
            continue;
        }
        const std::string_view key = line.substr(0, equals);
        const KeyRule* rule = FindKeyRule(key);
        if (rule == nullptr) {
            report.Add(number, std::string("unknown key ") + Quoted(key));
            continue;
        }
        const auto [first, inserted] = firstLine.emplace(rule, number);
        if (!inserted) {
            report.Add(number, std::string("duplicate key ") + Quoted(key) + " (line " + std::to_string(first->second) +
                                   " counts)");
            continue;
        }
        const std::string value(line.substr(equals + 1));
        if (!value.empty()) CheckSettingValue(*rule, value, number, report);
    }
    return report.Take();
}

std::vector<DataProblem> CheckHistoryFile(std::string_view bytes, const std::string& fileName,
                                          std::string_view linePrefix) {
    Report report(fileName);
    const std::vector<std::string_view> lines = SplitAndCheckBytes(bytes, report);
    // Folded as the history compares lines (SameText).
    std::unordered_map<std::string, int> firstLine;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string_view line = lines[i];
        if (number == kHistoryLines + 1)
            report.Add(number, std::string("more than ") + std::to_string(kHistoryLines) + " lines (" +
                                   std::to_string(lines.size()) + "; the program keeps " +
                                   std::to_string(kHistoryLines) + ")");
        if (line.empty()) {
            report.Add(number, "blank line");
            continue;
        }
        if (!line.starts_with(linePrefix)) report.Add(number, std::string("does not begin with ") + Quoted(linePrefix));
        const auto [first, inserted] = firstLine.emplace(FoldedText(line), number);
        if (!inserted)
            report.Add(number, std::string("duplicate of line ") + std::to_string(first->second) + " (letter case ignored)");
    }
    return report.Take();
}

std::vector<DataProblem> CheckDataFolder(const IFileSystem& fs, const std::string& dataFolder) {
    struct FileCheck {
        const char* name;
        std::vector<DataProblem> (*check)(std::string_view);
    };
    static const FileCheck kFiles[] = {
        {"Files.txt", CheckEntryFile},
        {"config.cfg", CheckSettingsFile},
        {"OldOrders.txt", [](std::string_view bytes) { return CheckHistoryFile(bytes, "OldOrders.txt", "exe: "); }},
        {"OldURLs.txt", [](std::string_view bytes) { return CheckHistoryFile(bytes, "OldURLs.txt", "url: "); }},
    };
    std::vector<DataProblem> problems;
    for (const FileCheck& file : kFiles) {
        const std::string path = dataFolder + file.name;
        if (!fs.FileExists(path)) continue;
        std::string bytes;
        if (const Status status = fs.ReadFile(path, bytes); !status) {
            problems.push_back({file.name, 0, "cannot be read: " + status.message()});
            continue;
        }
        std::vector<DataProblem> found = file.check(bytes);
        problems.insert(problems.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
    }
    return problems;
}

}  // namespace qx
