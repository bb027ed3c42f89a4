#include "dialogs/EditEntryModel.h"

#include <algorithm>

#include "store/EntryNames.h"

namespace qx {

int WinVersionItem(int winVersion) {
    const auto found = std::find_if(kWinVersionChoices.begin(), kWinVersionChoices.end(),
                                    [winVersion](const WinVersionChoice& choice) { return choice.winVersion == winVersion; });
    return found == kWinVersionChoices.end() ? 0 : static_cast<int>(found - kWinVersionChoices.begin());
}

EditEntryFields FieldsOfEntry(const Entry& entry) {
    const std::string_view name = entry.Name();
    EditEntryFields fields;
    fields.name = PlainEntryName(name);
    fields.value = entry.Value();
    fields.parameters = entry.Parameters();
    fields.searchTerms = entry.SearchTerms();
    fields.workingFolder = entry.WorkingFolder();
    fields.idList = entry.IdList();
    fields.iconPath = entry.IconPath();
    fields.runAsUser = entry.RunAsUser();
    fields.productCode = entry.ProductCode();
    fields.componentCode = entry.ComponentCode();
    fields.iconIndex = entry.iconIndex;
    fields.winVersionItem = WinVersionItem(entry.winVersion);
    fields.noDelete = IsNoDelete(name);
    fields.url = IsUrlEntry(name);
    fields.command = IsCommandEntry(name);
    return fields;
}

std::unique_ptr<Entry> EntryOfFields(const EditEntryFields& fields) {
    auto entry = std::make_unique<Entry>();
    // A kind prefix or marker alone names nothing: the Name stays empty, and is refused as such.
    if (!fields.name.empty())
        entry->SetText(EntryText::Name, ComposeEntryName(fields.name, fields.noDelete, fields.url, fields.command));
    entry->SetText(EntryText::Value, fields.value);
    entry->SetText(EntryText::Parameters, fields.parameters);
    entry->SetText(EntryText::SearchTerms, fields.searchTerms);
    entry->SetText(EntryText::WorkingFolder, fields.workingFolder);
    entry->SetText(EntryText::IconPath, fields.iconPath);
    entry->SetText(EntryText::IdList, fields.idList);
    entry->SetText(EntryText::ProductCode, fields.productCode);
    entry->SetText(EntryText::ComponentCode, fields.componentCode);
    entry->SetText(EntryText::RunAsUser, fields.runAsUser);
    entry->iconIndex = std::clamp(fields.iconIndex, 0, kIconIndexMax);
    const bool known = fields.winVersionItem >= 0 && fields.winVersionItem < static_cast<int>(kWinVersionChoices.size());
    entry->winVersion = known ? kWinVersionChoices[static_cast<std::size_t>(fields.winVersionItem)].winVersion : 0;
    return entry;
}

void EditEntryModel::Open(const Entry& entry, bool editingExisting, bool showWinVersion) {
    fields_ = FieldsOfEntry(entry);
    open_ = true;
    result_ = false;
    editingExisting_ = editingExisting;
    showWinVersion_ = showWinVersion;
}

void EditEntryModel::Tick(KindBox box, bool ticked) {
    bool* boxes[] = {&fields_.noDelete, &fields_.url, &fields_.command};
    if (ticked)
        for (bool* other : boxes) *other = false;
    *boxes[static_cast<int>(box)] = ticked;
}

void EditEntryModel::ChooseIcon(IIconPicker& picker) {
    if (hooks_.setUserInput) hooks_.setUserInput(false, kIconPickerLockId);
    const auto choice = picker.PickIcon({fields_.iconPath, fields_.iconIndex});
    if (hooks_.setUserInput) hooks_.setUserInput(true, kIconPickerLockId);
    if (!choice) return;
    fields_.iconPath = choice->file;
    fields_.iconIndex = std::clamp(choice->index, 0, kIconIndexMax);
}

bool EditEntryModel::PressOk() {
    result_ = true;
    return CloseQuery();
}

bool EditEntryModel::PressCancel() {
    result_ = false;
    return CloseQuery();
}

bool EditEntryModel::Close() { return CloseQuery(); }

bool EditEntryModel::CloseQuery() {
    if (!open_) return true;
    if (hooks_.sessionEnding && hooks_.sessionEnding()) {
        open_ = false;
        return true;
    }
    if (result_) {
        if (!hooks_.replace || !hooks_.replace(EntryOfFields(fields_))) {
            // A later close from the title bar cancels rather than offering the refused name again.
            result_ = false;
            return false;
        }
    } else if (hooks_.cancelled) {
        hooks_.cancelled(!editingExisting_);
    }
    open_ = false;
    editingExisting_ = false;
    return true;
}

}  // namespace qx
