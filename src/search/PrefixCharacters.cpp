#include "search/PrefixCharacters.h"

namespace qx {

const std::array<PrefixRowInfo, kPrefixRowCount>& PrefixRows() {
    static const std::array<PrefixRowInfo, kPrefixRowCount> rows = {{
        {'#', "OpenGoogleEdit", "OpenGoogleChar", "\xD6" "ffnen des Google Dialogs"},
        {'<', "FolderSearchCharEdit", "FolderSearchChar", "Starten der Ordnersuche"},
        {':', "MyComputerEdit", "MyComputerChar", "Arbeitsplatz"},
        {'\\', "DesktopEdit", "DesktopChar", "Desktop"},
        {'_', "DeviceControlEdit", "DeviceControlChar", "Systemsteuerung"},
        {',', "ExecWinEdit", "ExecWinChar", "Windows-Befehle ausf\xFC" "hren"},
        {'+', "ExecURLEdit", "ExecURLChar", "URLs ausf\xFC" "hren"},
        {'.', "ExecURLwwwEdit", "ExecURLwwwChar", "URLs ausf\xFC" "hren, beginnend mit www."},
        {'-', "ExecHttpEdit", "ExecHttpChar", "URLs ausf\xFC" "hren, beginnend mit http://"},
    }};
    return rows;
}

const PrefixRowInfo& PrefixRowOf(PrefixRow row) { return PrefixRows()[static_cast<int>(row)]; }

PrefixCharacters::PrefixCharacters() {
    for (int i = 0; i < kPrefixRowCount; ++i) fields_[i] = std::string(1, PrefixRows()[i].code);
}

char PrefixCharacters::MapShortcutChar(char c) const {
    for (int i = 0; i < kPrefixRowCount; ++i) {
        if (fields_[i].size() == 1 && fields_[i][0] == c) return PrefixRows()[i].code;
    }
    return ' ';
}

InputMode PrefixCharacters::ModeOf(std::string_view text) const {
    if (text.empty()) return InputMode::EntrySearch;
    switch (MapShortcutChar(text.front())) {
        case ',':
            return InputMode::Command;
        case '+':
        case '.':
        case '-':
            return InputMode::Url;
        default:
            return InputMode::EntrySearch;
    }
}

PrefixCharacters PrefixCharactersOf(const Settings& settings) {
    PrefixCharacters prefixes;
    prefixes.SetField(PrefixRow::OpenGoogle, settings.openGoogleChar);
    prefixes.SetField(PrefixRow::FolderSearch, settings.folderSearchChar);
    prefixes.SetField(PrefixRow::MyComputer, settings.myComputerChar);
    prefixes.SetField(PrefixRow::Desktop, settings.desktopChar);
    prefixes.SetField(PrefixRow::DeviceControl, settings.deviceControlChar);
    prefixes.SetField(PrefixRow::ExecWin, settings.execWinChar);
    prefixes.SetField(PrefixRow::ExecUrl, settings.execURLChar);
    prefixes.SetField(PrefixRow::ExecUrlWww, settings.execURLwwwChar);
    prefixes.SetField(PrefixRow::ExecHttp, settings.execHttpChar);
    return prefixes;
}

}  // namespace qx
