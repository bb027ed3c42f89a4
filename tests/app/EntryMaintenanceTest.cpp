#include "app/EntryMaintenance.h"

#include <gtest/gtest.h>

#include "search/ResultListFixture.h"
#include "search/SearchTestLists.h"
#include "store/EntryLine.h"
#include "text/LanguageStrings.h"

namespace qx {
namespace {

using Rows = std::vector<std::string>;
const std::string kFiles = test::kResultsData + "Files.txt";
const std::string kLong = "Projektordner Kundendaten 2024";  // 30 characters
// One line of Files.txt as the program writes it.
std::string Line(const std::string& name, const std::string& value) { return name + "|" + value + "|||||0||||||0\r\n"; }
const std::string kFirstTwo = Line("Alpha", "a.exe") + Line("Editor", "e.exe");
const std::string kFilesText = kFirstTwo + Line("exe: regedit (NoDelete)", "regedit") + Line(kLong, "p");

class EntryMaintenanceTest : public test::ResultListFixture {
protected:
    void SetUp() override {
        ResultListFixture::SetUp();
        fs.Put(test::kResultsData + "OldOrders.txt", "exe: calc\r\nexe: cmd\r\n");
        fs.Put(kFiles, kFilesText);
        (void)store->LoadEntries(LoadOptions{0, false});
        maintenance = std::make_unique<EntryMaintenance>(*store, *model, language, prefixes);
        EntryMaintenanceHooks hooks;
        hooks.askYesNo = [this](const std::string& q) { return boxes.AskQuestion(q); };
        hooks.showInfo = [this](const std::string& text) { boxes.ShowMessage(text); };
        hooks.showError = [this](const Status& status) { boxes.ShowError(status.message()); };
        maintenance->SetHooks(std::move(hooks));
        model->ChangeToListBox();
    }
    void Select(const std::string& name) {
        const int row = list.Items().IndexOf(name);
        ASSERT_GE(row, 0) << name;
        list.SetSelected(row);
    }
    static std::unique_ptr<Entry> Named(const std::string& name, const std::string& value = "e.exe") {
        return ParseEntryLine(name + "|" + value);
    }
    RowData* ObjectOf(const std::string& name) const {
        return store->EntryList().Objects(store->EntryList().IndexOf(name));
    }
    Rows Names() const { return test::Texts(store->EntryList()); }

    LanguageSwitch language;
    std::unique_ptr<EntryMaintenance> maintenance;
};

TEST_F(EntryMaintenanceTest, DeleteAsksInGermanWithTheShortNameYesRemovesTheEntryFromFilesTxtNoKeepsIt) {
    Select(kLong);
    boxes.answers = {false, true};
    maintenance->RemoveSelectedEntry();
    EXPECT_EQ(fs.Get(kFiles), kFilesText);
    EXPECT_EQ(list.Count(), 4);
    maintenance->RemoveSelectedEntry();
    EXPECT_EQ(boxes.questions, Rows(2, "Eintrag \"Projektor ... ndaten 2024\" wirklich l\xF6schen?"));
    EXPECT_EQ(fs.Get(kFiles), kFirstTwo + Line("exe: regedit (NoDelete)", "regedit"));
    EXPECT_EQ(Shown(), (Rows{"Alpha", "Editor", "exe: regedit (NoDelete)"}));
}

TEST_F(EntryMaintenanceTest, DeleteQuestionInEnglishAndTheSearchResultsKeepTheirScrollPosition) {
    language.ApplyLanguage(1, false);
    for (int i = 1; i <= 8; ++i) AddEntries({"b" + std::to_string(i)});
    Type("b");
    Tick(2);
    list.SetTopIndex(3);
    Select("b5");
    boxes.answers = {true};
    maintenance->RemoveSelectedEntry();
    EXPECT_EQ(boxes.questions, Rows{"Really delete entry \"b5\" ?"});
    EXPECT_EQ(Shown(), (Rows{"b1", "b2", "b3", "b4", "b6", "b7", "b8"}));
    EXPECT_EQ(list.TopIndex(), 3);
    EXPECT_EQ(store->FindEntry("b5"), nullptr);
}

TEST_F(EntryMaintenanceTest, DeleteInCommandModeForgetsTheHistoryLineWithoutAsking) {
    Type(",");
    Tick(2);
    ASSERT_EQ(Shown(), (Rows{"exe: ", "exe: calc", "exe: cmd"}));
    list.SetSelected(1);
    maintenance->RemoveSelectedEntry();
    EXPECT_TRUE(boxes.questions.empty());
    EXPECT_EQ(fs.Get(test::kResultsData + "OldOrders.txt"), "exe: cmd\r\n");
    EXPECT_EQ(store->EntryList().Count(), 4);
}

TEST_F(EntryMaintenanceTest, DeleteEntryRemovesTheFirstOfTwoEqualNamesAndItsRow) {
    std::string added;
    store->AddEntryFromLine("alpha|second.exe", false, added, false, false, true);
    model->RefreshList();
    const std::string firstValue(EntryAt(store->EntryList(), store->EntryList().IndexOf("Alpha")).Value());
    EXPECT_TRUE(maintenance->DeleteEntry("ALPHA"));
    EXPECT_EQ(Names(), (Rows{"Editor", "exe: regedit (NoDelete)", kLong, "alpha"}));
    EXPECT_NE(store->FindEntry("alpha")->Value(), firstValue);
    EXPECT_EQ(list.Items().IndexOf("alpha"), 4 - 1);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_FALSE(maintenance->DeleteEntry("missing"));
}

TEST_F(EntryMaintenanceTest, ReplaceRefusesEmptyNamesAndCommandUrlOrFolderFirstCharacters) {
    EXPECT_FALSE(maintenance->ReplaceEntry("Alpha", Named("")));
    for (const char* bad : {",cmd", ".www", "-http", "<folder"}) EXPECT_FALSE(maintenance->ReplaceEntry("Alpha", Named(bad)));
    ASSERT_EQ(boxes.messages.size(), 5u);
    EXPECT_EQ(boxes.messages[0], "Irgend einen Namen m\xFCssen sie schon eingeben...");
    EXPECT_EQ(boxes.messages[1], "Eintr\xE4ge d\xFC" "rfen nicht mit \", . - <\" beginnen");
    EXPECT_EQ(boxes.messages[4], boxes.messages[1]);
    EXPECT_EQ(Names(), (Rows{"Alpha", "Editor", "exe: regedit (NoDelete)", kLong}));

    // The configured characters count, not the factory ones; "+" opens no URL by itself here.
    prefixes.SetField(PrefixRow::ExecWin, "!");
    EXPECT_FALSE(maintenance->ReplaceEntry("Alpha", Named("!cmd")));
    EXPECT_TRUE(maintenance->ReplaceEntry("Alpha", Named(",cmd")));
    EXPECT_TRUE(maintenance->ReplaceEntry(",cmd", Named("+plus")));
    EXPECT_EQ(boxes.messages.size(), 6u);
}

// The refusal message and a case change through the edit dialog are the main form's test.
TEST_F(EntryMaintenanceTest, ReplaceRefusesAnotherEntrysNameButAcceptsACaseChange) {
    EXPECT_FALSE(maintenance->ReplaceEntry("Alpha", Named("projektordner kundendaten 2024")));
    EXPECT_TRUE(maintenance->ReplaceEntry("Editor", Named("editor", "new.exe")));
    EXPECT_EQ(store->EntryList().Strings(1), "editor");
    EXPECT_EQ(store->FindEntry("editor")->Value(), "new.exe");
    // The row shown for it refers to the same item, so it shows the new entry at once.
    EXPECT_EQ(EntryAt(list.Items(), list.Items().IndexOf("Editor")).Value(), "new.exe");
}

TEST_F(EntryMaintenanceTest, RenameInPlaceKeepsKindAndMarkerSavesAndSelectsTheRow) {
    EXPECT_TRUE(maintenance->RenameInPlace(ObjectOf("exe: regedit (NoDelete)"), "  registry "));
    EXPECT_EQ(Names(), (Rows{"Alpha", "Editor", "exe: registry (NoDelete)", kLong}));
    EXPECT_EQ(fs.Get(kFiles), kFirstTwo + Line("exe: registry (NoDelete)", "regedit") + Line(kLong, "p"));
    EXPECT_EQ(list.SelectedText(), "exe: registry (NoDelete)");

    const int writes = fs.writeCount();
    EXPECT_TRUE(maintenance->RenameInPlace(ObjectOf("Alpha"), "Alpha"));  // unchanged: nothing to do
    EXPECT_FALSE(maintenance->RenameInPlace(ObjectOf("Alpha"), "editor"));
    EXPECT_FALSE(maintenance->RenameInPlace(ObjectOf("Alpha"), "  "));
    EXPECT_EQ(fs.writeCount(), writes);
    EXPECT_EQ(boxes.messages, (Rows{"Ein Eintrag mit dem Namen \"editor\" existiert bereits.",
                                    "Irgend einen Namen m\xFCssen sie schon eingeben..."}));
}

}  // namespace
}  // namespace qx
