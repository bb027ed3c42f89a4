#include <gtest/gtest.h>

#include "dialogs/EditEntryModel.h"
#include "store/EntryLine.h"

namespace qx {
namespace {

struct FillCase {
    const char* line;
    const char* name;
    bool noDelete, url, command;
    int winVersionItem;
    const char* savedLine;  // after OK with the fields as filled
};

// The kind boxes come from the Name, the version from the table; what was not shown
// (Reserved) and a version missing from the table are saved empty and 0.
TEST(EditEntryModel, FillsFromTheEntryAndSavesItBack) {
    const FillCase cases[] = {
        {"Net (NoDelete)|\\\\srv\\share|-p|terms|C:\\w|C:\\i.ico|7|ID|{P}|{C}|admin|old|501", "Net", true, false, false,
         4, "Net (NoDelete)|\\\\srv\\share|-p|terms|C:\\w|C:\\i.ico|7|ID|{P}|{C}|admin||501"},
        {"url: Web site|http://a.example/|||||0||||||502", "Web site", false, true, false, 0,
         "url: Web site|http://a.example/|||||0||||||0"},
        {"exe: Reg edit (NoDelete)|regedit|||||0||||||600", "Reg edit", true, false, true, 5,
         "exe: Reg edit (NoDelete)|regedit|||||0||||||600"},
    };
    for (const FillCase& c : cases) {
        const EditEntryFields fields = FieldsOfEntry(*ParseEntryLine(c.line));
        EXPECT_EQ(fields.name, c.name) << c.line;
        EXPECT_EQ((std::array{fields.noDelete, fields.url, fields.command}), (std::array{c.noDelete, c.url, c.command}));
        EXPECT_EQ(fields.winVersionItem, c.winVersionItem) << c.line;
        EXPECT_EQ(FormatEntryLine(*EntryOfFields(fields)), c.savedLine);
    }
}

TEST(EditEntryModel, KindBoxesExcludeEachOtherAndTheIconPickerHoldsTheInput) {
    EditEntryModel model;
    std::vector<std::string> calls;
    model.SetHooks({nullptr, nullptr,
                    [&](bool enable, int id) { calls.push_back((enable ? "free " : "hold ") + std::to_string(id)); },
                    nullptr});
    model.Open(*ParseEntryLine("Share (NoDelete)|\\\\srv\\x"), true, false);
    model.Tick(KindBox::Url, true);
    EXPECT_EQ(FormatEntryLine(*EntryOfFields(model.fields())), "url: Share|\\\\srv\\x|||||0||||||0");
    model.Tick(KindBox::Command, true);
    model.Tick(KindBox::Command, false);
    EXPECT_EQ(EntryOfFields(model.fields())->Name(), "Share");
    model.Tick(KindBox::Url, true);
    model.fields().name.clear();
    EXPECT_EQ(EntryOfFields(model.fields())->Name(), "");

    struct Picker : IIconPicker {
        std::optional<IconChoice> answer;
        IconChoice asked;
        std::optional<IconChoice> PickIcon(const IconChoice& start) override {
            asked = start;
            return answer;
        }
    } picker;
    model.fields().iconPath = "C:\\a.dll";
    model.fields().iconIndex = 3;
    model.ChooseIcon(picker);  // cancelled: nothing changes
    picker.answer = IconChoice{"C:\\b.dll", 12};
    model.ChooseIcon(picker);
    EXPECT_EQ(picker.asked, (IconChoice{"C:\\a.dll", 3}));
    EXPECT_EQ((IconChoice{model.fields().iconPath, model.fields().iconIndex}), (IconChoice{"C:\\b.dll", 12}));
    EXPECT_EQ(calls, (std::vector<std::string>{"hold 120", "free 120", "hold 120", "free 120"}));
}

// While Windows shuts down a close neither saves nor removes the fresh entry.
TEST(EditEntryModel, ClosingWhileWindowsShutsDownChangesNothing) {
    EditEntryModel model;
    int changes = 0;
    model.SetHooks({[&](std::unique_ptr<Entry>) { return ++changes > 0; }, [&](bool) { ++changes; }, nullptr,
                    [] { return true; }});
    model.Open(*ParseEntryLine("Fresh|x"), false, false);
    EXPECT_TRUE(model.PressOk() && !model.isOpen());
    EXPECT_EQ(changes, 0);
}

}  // namespace
}  // namespace qx
