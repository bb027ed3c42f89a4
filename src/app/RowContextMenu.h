#pragma once
#include <array>

#include "search/PrefixCharacters.h"
#include "text/LanguageStrings.h"

namespace qx {

// The items of the list's own context menu, in menu order.
enum class RowMenuItem {
    Edit,                // "Bearbeiten", Ctrl+E
    Remove,              // "Entfernen", Delete
    Rename,              // "Umbenennen", F2
    CreateCopy,          // "Kopie erstellen"
    Run,                 // "Ausführen"
    GoToParentFolder,    // "In übergeordneten Ordner wechseln"
    OpenCommandPrompt,   // "Eingabeaufforderung hier öffnen"
    ShellContextMenu,    // "Kontextmenü"
    RefreshFileInfo,     // "Datei-Informationen aktualisieren"
};
inline constexpr int kRowMenuItemCount = 9;

struct RowMenuItemInfo {
    RowMenuItem item;
    const LangPair& caption;
    const char* shortcutText;  // shown beside the caption; empty when the item has none
};

const std::array<RowMenuItemInfo, kRowMenuItemCount>& RowMenuItems();

using RowMenuVisibility = std::array<bool, kRowMenuItemCount>;

// Which items show each time the menu opens: a folder listing offers the parent folder, entry
// search everything, a history (command or URL mode) only remove and run.
RowMenuVisibility VisibleRowMenuItems(bool folderBrowsing, InputMode mode);

inline bool IsVisible(const RowMenuVisibility& visibility, RowMenuItem item) {
    return visibility[static_cast<int>(item)];
}

}  // namespace qx
