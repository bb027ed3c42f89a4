#pragma once
#include <array>
#include <string>
#include <string_view>

#include "store/Settings.h"

namespace qx {

// The nine configurable first characters of the input line, in their fixed table order.
enum class PrefixRow {
    OpenGoogle,
    FolderSearch,
    MyComputer,
    Desktop,
    DeviceControl,
    ExecWin,
    ExecUrl,
    ExecUrlWww,
    ExecHttp,
};
inline constexpr int kPrefixRowCount = 9;

struct PrefixRowInfo {
    char code;                // the internal code; also the field's factory value
    const char* fieldName;    // the options dialog's one-character field
    const char* settingsKey;  // the key in config.cfg
    const char* caption;      // the options dialog's label
};

// The rows in table order.
const std::array<PrefixRowInfo, kPrefixRowCount>& PrefixRows();
const PrefixRowInfo& PrefixRowOf(PrefixRow row);

// What an input line asks for, read from its first character.
enum class InputMode { EntrySearch = 0, Command = 1, Url = 2 };

// The texts of the nine prefix fields and the mapping of a typed character to its code.
// A field normally holds one character; it may be empty, and then it maps nothing.
class PrefixCharacters {
public:
    PrefixCharacters();  // every field at its code

    const std::string& Field(PrefixRow row) const { return fields_[static_cast<int>(row)]; }
    void SetField(PrefixRow row, std::string text) { fields_[static_cast<int>(row)] = std::move(text); }
    // The folder character: the text of the folder-search field.
    const std::string& FolderSearchChar() const { return Field(PrefixRow::FolderSearch); }

    // The code of the first row whose field is exactly this one character; ' ' when none is.
    char MapShortcutChar(char c) const;
    // Entry search for an empty text or a first character whose code is not , + . or -.
    InputMode ModeOf(std::string_view text) const;

private:
    std::array<std::string, kPrefixRowCount> fields_;
};

// The prefix character table as the settings set it.
PrefixCharacters PrefixCharactersOf(const Settings& settings);

}  // namespace qx
