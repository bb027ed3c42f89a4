#include "store/EntryLine.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace qx {
namespace {

constexpr std::string_view kEscapePrefix = "%_ESC_%";
constexpr int kColumnCount = 13;
constexpr int kIconIndexColumn = 6;
constexpr int kWinVersionColumn = 12;

// Text column number (0..10) of file column c, or -1 for the two integer columns.
constexpr int TextSlot(int c) {
    if (c == kIconIndexColumn || c == kWinVersionColumn) return -1;
    return c < kIconIndexColumn ? c : c - 1;
}

// Position of the first "%" or "|" at or after pos, or npos. A plain loop: the standard
// find_first_of is several times slower on the long runs of ordinary text seen here.
size_t FindSpecial(std::string_view text, size_t pos) {
    for (; pos < text.size(); ++pos) {
        if (text[pos] == '%' || text[pos] == '|') return pos;
    }
    return std::string_view::npos;
}

void AppendEscaped(std::string& out, std::string_view text) {
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t special = FindSpecial(text, pos);
        if (special == std::string_view::npos) {
            out.append(text.substr(pos));
            return;
        }
        out.append(text.substr(pos, special - pos));
        out.push_back('%');
        out.push_back(text[special]);
        pos = special + 1;
    }
}

void AppendInteger(std::string& out, int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

}  // namespace

int ParseEntryInteger(std::string_view text) {
    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size()) return 0;
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) return 0;
    }
    if (negative) value = -value;
    if (value > 2147483647LL) return 0;
    return static_cast<int>(value);
}

std::string FormatEntryLine(const Entry& entry) {
    std::string line;
    AppendEntryLine(line, entry);
    return line;
}

void AppendEntryLine(std::string& line, const Entry& entry) {
    std::array<std::string_view, kEntryTextCount> texts;
    for (int i = 0; i < kEntryTextCount; ++i) texts[i] = entry.Text(static_cast<EntryText>(i));
    // All text columns lie back to back in one buffer, so one scan covers them all.
    const std::string_view all(texts[0].data(), entry.TextBytes());
    const bool escape = FindSpecial(all, 0) != std::string_view::npos;
    line.reserve(line.size() + (escape ? all.size() * 2 + kEscapePrefix.size() : all.size()) + kColumnCount + 24);
    if (escape) line.append(kEscapePrefix);
    for (int c = 0; c < kColumnCount; ++c) {
        if (c > 0) line.push_back('|');
        const int slot = TextSlot(c);
        if (slot < 0) AppendInteger(line, c == kIconIndexColumn ? entry.iconIndex : entry.winVersion);
        else if (escape) AppendEscaped(line, texts[slot]);
        else line.append(texts[slot]);
    }
}

std::unique_ptr<Entry> ParseEntryLine(std::string_view line) {
    const bool escape = line.starts_with(kEscapePrefix);
    if (escape) line.remove_prefix(kEscapePrefix.size());

    std::string packed;
    packed.reserve(line.size());
    std::array<std::uint32_t, kEntryTextCount> ends{};
    int integers[2] = {0, 0};
    std::string integerText;

    size_t pos = 0;
    for (int c = 0; c < kColumnCount; ++c) {
        const int slot = TextSlot(c);
        std::string& target = slot < 0 ? integerText : packed;
        if (slot < 0) integerText.clear();
        if (pos <= line.size()) {
            if (!escape) {
                size_t end = line.find('|', pos);
                if (end == std::string_view::npos) end = line.size();
                target.append(line.substr(pos, end - pos));
                pos = end + 1;
            } else {
                while (true) {
                    if (pos >= line.size()) {
                        pos = line.size() + 1;
                        break;
                    }
                    const size_t special = FindSpecial(line, pos);
                    if (special == std::string_view::npos) {
                        target.append(line.substr(pos));
                        pos = line.size() + 1;
                        break;
                    }
                    target.append(line.substr(pos, special - pos));
                    if (line[special] == '|') {
                        pos = special + 1;
                        break;
                    }
                    // "%x" stands for x; a "%" at the very end stands for nothing.
                    if (special + 1 < line.size()) target.push_back(line[special + 1]);
                    pos = special + 2;
                }
            }
        }
        if (slot < 0) integers[c == kIconIndexColumn ? 0 : 1] = ParseEntryInteger(integerText);
        else ends[slot] = static_cast<std::uint32_t>(packed.size());
    }

    auto entry = std::make_unique<Entry>();
    entry->AssignPacked(std::move(packed), ends);
    entry->iconIndex = integers[0];
    entry->winVersion = integers[1];
    return entry;
}

}  // namespace qx
