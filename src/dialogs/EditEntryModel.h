#pragma once
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "platform/IconPicker.h"
#include "store/Entry.h"

namespace qx {

// The Windows versions an entry may belong to, in the order of the dialog's choice list.
struct WinVersionChoice {
    int winVersion;
    const char* text;
};
inline constexpr std::array<WinVersionChoice, 6> kWinVersionChoices{{
    {0, "<all versions>"},
    {410, "Windows 98"},
    {490, "Windows Millenium"},
    {500, "Windows 2000"},
    {501, "Windows XP"},
    {600, "Windows Vista"},
}};
// The choice that shows a stored WinVersion; a value missing from the list shows "<all versions>".
int WinVersionItem(int winVersion);

// The three tick boxes that tell the entry's kind by its Name.
enum class KindBox { NoDelete, Url, Command };

// What the dialog's controls hold. The name is the typed part only: the kind boxes carry its
// " (NoDelete)" marker and its "url: " or "exe: " prefix.
struct EditEntryFields {
    std::string name, value, parameters, searchTerms, workingFolder, idList, iconPath, runAsUser, productCode,
        componentCode;
    int iconIndex = 0;
    int winVersionItem = 0;
    bool noDelete = false, url = false, command = false;
    bool operator==(const EditEntryFields&) const = default;
};

EditEntryFields FieldsOfEntry(const Entry& entry);
// A new entry from the fields; its Reserved column stays empty, and so does its Name when
// no name was typed.
std::unique_ptr<Entry> EntryOfFields(const EditEntryFields& fields);

inline constexpr int kIconPickerLockId = 120;
inline constexpr int kIconIndexMax = 9999999;

// What a closing dialog does to the stored entries; the main window supplies it.
struct EditEntryHooks {
    // Puts the edited entry in place of the one the dialog was opened on, saves and shows it;
    // false when its name was refused (the refusal has been shown).
    std::function<bool(std::unique_ptr<Entry> edited)> replace;
    // The dialog closed without saving; freshEntry: it was opened on a new entry, which goes.
    std::function<void(bool freshEntry)> cancelled;
    std::function<void(bool enable, int id)> setUserInput;
    // Windows is shutting down: the dialog closes and changes nothing.
    std::function<bool()> sessionEnding;
};

// The edit entry dialog without its window: the fields of one entry, the kind boxes that
// exclude each other, and what OK, Abbrechen and closing do.
class EditEntryModel {
public:
    void SetHooks(EditEntryHooks hooks) { hooks_ = std::move(hooks); }

    // Fills the fields from the entry. editingExisting false: the entry was just made by an add
    // command, and closing without OK removes it again.
    void Open(const Entry& entry, bool editingExisting, bool showWinVersion);

    EditEntryFields& fields() { return fields_; }
    const EditEntryFields& fields() const { return fields_; }
    // Ticking one kind box clears the other two.
    void Tick(KindBox box, bool ticked);
    // "Icon wählen": the picker opens on the icon path and index and, when confirmed, sets both.
    void ChooseIcon(IIconPicker& picker);

    // "OK", "Abbrechen" and any other close (the title bar, hiding the main window). Each
    // answers whether the dialog may close: OK only when the edited entry was accepted, the
    // others always. A refused OK leaves every field as typed.
    bool PressOk();
    bool PressCancel();
    bool Close();

    bool isOpen() const { return open_; }
    bool editingExisting() const { return editingExisting_; }
    bool showWinVersion() const { return showWinVersion_; }

private:
    bool CloseQuery();

    EditEntryHooks hooks_;
    EditEntryFields fields_;
    bool open_ = false;
    bool result_ = false;
    bool editingExisting_ = false;
    bool showWinVersion_ = false;
};

}  // namespace qx
