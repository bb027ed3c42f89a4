#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/LanguageStrings.h"

namespace qx {
namespace {

const LangPair& Row(int number) { return *AllLangTexts()[static_cast<size_t>(number - 1)]; }

TEST(LanguageStrings, TableHolds180RowsInStorageOrder) {
    const auto all = AllLangTexts();
    ASSERT_EQ(all.size(), 180u);
    std::set<const LangPair*> distinct(all.begin(), all.end());
    EXPECT_EQ(distinct.size(), 180u);
    EXPECT_EQ(distinct.count(&texts::TrayShow), 0u);
    EXPECT_EQ(distinct.count(&texts::TrayClose), 0u);
    EXPECT_EQ(&Row(1), &texts::AddEntry);
    EXPECT_EQ(&Row(43), &texts::FileOperationsRunning);
    EXPECT_EQ(&Row(44), &texts::ReallyQuit);
    EXPECT_EQ(&Row(106), &texts::NoDeleteHint);
    EXPECT_EQ(&Row(168), &texts::NotFoundStart);
    EXPECT_EQ(&Row(173), &texts::NoAssociationLink);
    EXPECT_EQ(&Row(180), &texts::ErrorWord);
}

TEST(LanguageStrings, MessagesKeepTheirExactBytes) {
    EXPECT_STREQ(Row(43).german,
                 "Quillox f\xFChrt noch Dateioperationen aus.\r"
                 "Brechen sie bitte zuerst diese Dateioperationen ab und beenden sie dann Quillox.");
    EXPECT_STREQ(Row(43).english, "Quillox is exeuting file operations.\rAbort them and quit Quillox.");
    EXPECT_STREQ(Row(44).german,
                 "M\xF6" "chten sie Quillox wirklich beenden?\r"
                 "M\xF6glicherweise laufende Dateioperationen werden dabei abgebrochen.");
    EXPECT_STREQ(Row(45).german,
                 "Quillox wurde zum ersten mal gestartet.\r"
                 "M\xF6" "chten sie jetzt das Programm zum Importieren von Dateien von ihrer Festplatte starten?");
    EXPECT_STREQ(Row(106).german,
                 "Ist dieses Feld angew\xE4hlt, wird der Eintrag bei\r\n"
                 "\"Verweise auf nicht existierende Dateien und Ordner entfernen\"\r\n"
                 "auch dann nicht gel\xF6scht, wenn sein Ziel nicht existiert. \r\n"
                 "\r\n"
                 "Dies ist z.B. bei Netzlaufwerken und \r\n"
                 "bei Wechseldatentr\xE4gern w\xFCnschenswert. ");
    EXPECT_STREQ(Row(106).english,
                 "If this is checked an entry will not be deleted by\r\n"
                 "\"Delete entrys linking non-existing files or folders\"\r\n"
                 " if its target does not exist. \r\n"
                 "\r\n"
                 "This might be useful for \r\n"
                 "network drives for example.");
    EXPECT_STREQ(Row(111).german, "Datails");
    EXPECT_STREQ(Row(111).english, "Details");
    EXPECT_STREQ(Row(121).german, "Verkn\xFCpfungen als Dateien hinzuf\xFCgen (Strg+D))");
    EXPECT_STREQ(Row(121).english, "Add links as files (Strg+D)");
    EXPECT_STREQ(Row(173).german,
                 "Verkn\xFCpfungen sind auf Ihrem Computer keiner Anwendung zugeordnet!\r"
                 "Wahrscheinlich ist der kleine Pfeil, mit dem Verkn\xFCpfungen gekennkennzeichnet sind,\r"
                 "mit einem Windows Optimierungs-Tool entfernt worden.\r"
                 "F\xFCgen sie den Pfeil wieder hinzu und w\xE4hlen sie ein leeres Icon anstelle des Pfeils.\r"
                 "Starten sie dann das Programm neu.");
    EXPECT_STREQ(Row(173).english, "The file type is not assigned to an application.");
    EXPECT_STREQ(Row(179).english, "\"");
    EXPECT_STREQ(texts::TrayClose.german, "Schlie\xDF" "en");
    EXPECT_STREQ(Row(82).german, texts::TrayClose.german);
}

TEST(LanguageStrings, OnlyTheRemovableDriveHintUsesCrLf) {
    for (int row = 1; row <= 180; ++row) {
        const std::string german = Row(row).german;
        const std::string english = Row(row).english;
        if (row == 106) {
            for (const std::string& text : {german, english}) {
                int pairs = 0;
                for (size_t i = 0; i < text.size(); ++i) {
                    if (text[i] == '\r') {
                        EXPECT_EQ(text[i + 1], '\n') << text;
                    } else if (text[i] == '\n') {
                        EXPECT_EQ(text[i - 1], '\r') << text;
                        ++pairs;
                    }
                }
                EXPECT_EQ(pairs, 5) << text;
            }
            continue;
        }
        EXPECT_EQ(german.find('\n'), std::string::npos) << "row " << row;
        EXPECT_EQ(english.find('\n'), std::string::npos) << "row " << row;
    }
}

TEST(LanguageStrings, TextsAreWindows1252NotUtf8) {
    for (int row = 1; row <= 180; ++row) {
        for (const std::string& text : {std::string(Row(row).german), std::string(Row(row).english)}) {
            for (size_t i = 0; i + 1 < text.size(); ++i) {
                const auto lead = static_cast<unsigned char>(text[i]);
                const auto next = static_cast<unsigned char>(text[i + 1]);
                EXPECT_FALSE((lead == 0xC3 || lead == 0xC2) && next >= 0x80 && next <= 0xBF)
                    << "row " << row << " looks like UTF-8: " << text;
            }
        }
    }
    EXPECT_STREQ(texts::OpenWebSearchLabel.german, "\xD6" "ffnen des Google Dialogs");
    EXPECT_STREQ(texts::FileInfoSize.german, "Dateigr\xF6\xDF" "e");
}

TEST(LanguageStrings, SearchAddressesUseTheCountryHostOnlyForGermanServiceRows) {
    const char* const paths[] = {"search?hl=", "images?q=", "groups?q=", "search?q=", "news?q=", "froogle?q="};
    for (int row = 71; row <= 76; ++row) {
        const std::string german = Row(row).german;
        const std::string english = Row(row).english;
        const std::string path = paths[row - 71];
        EXPECT_EQ(english.find("http://www."), 0u) << row;
        EXPECT_NE(english.find(".com/" + path), std::string::npos) << row;
        EXPECT_NE(german.find((row == 71 ? ".com/" : ".de/") + path), std::string::npos) << row;
        EXPECT_EQ(german.back(), '=') << row;
    }
    EXPECT_NE(std::string(Row(71).german).find("search?hl=de&q="), std::string::npos);
    EXPECT_NE(std::string(Row(71).english).find("search?hl=en&q="), std::string::npos);
}

TEST(LanguageStrings, MessageAroundANameUsesHalvesOfOneLanguage) {
    const std::string name = "Editor";
    EXPECT_EQ(LangText(texts::NameExistsStart, 1) + name + LangText(texts::NameExistsEnd, 1),
              "An entry with the name \"Editor\" already exists");
    EXPECT_EQ(LangText(texts::NameExistsStart, 0) + name + LangText(texts::NameExistsEnd, 0),
              "Ein Eintrag mit dem Namen \"Editor\" existiert bereits.");
}

// A screen with designed German captions that relabels itself from the table.
class FakeScreen {
public:
    FakeScreen(std::vector<const LangPair*> pairs, std::vector<std::string>& visits, std::string name)
        : pairs_(std::move(pairs)), visits_(visits), name_(std::move(name)) {
        for (const LangPair* pair : pairs_) captions[pair] = pair->german;
        designed = captions;
    }
    void Relabel(int languageIndex) {
        visits_.push_back(name_);
        for (const LangPair* pair : pairs_) captions[pair] = LangText(*pair, languageIndex);
    }
    std::map<const LangPair*, std::string> captions, designed;

private:
    std::vector<const LangPair*> pairs_;
    std::vector<std::string>& visits_;
    std::string name_;
};

class LanguageSwitchTest : public ::testing::Test {
protected:
    LanguageSwitchTest() {
        // Registered out of order on purpose: the slots decide the order.
        language_.Register(RelabelSlot::ImportWizard, [this](int i) { wizard_.Relabel(i); });
        language_.Register(RelabelSlot::OptionsMenu, [this](int i) { menu_.Relabel(i); });
        language_.Register(RelabelSlot::MainButtons, [this](int i) { buttons_.Relabel(i); });
        language_.SetLanguageLabelsRefresh([this](int i) { labelRefreshes_.push_back(i); });
        language_.SetSaveSettings([this] { ++saves_; });
    }

    std::vector<std::string> visits_;
    FakeScreen menu_{{&texts::AddEntry, &texts::UseLargeIcons, &texts::SmoothFonts}, visits_, "menu"};
    FakeScreen buttons_{{&texts::ShowAllEntries, &texts::OptionsButton, &texts::CloseHint}, visits_, "buttons"};
    FakeScreen wizard_{{&texts::ImportFolderHelp, &texts::ImportNext}, visits_, "wizard"};
    std::vector<int> labelRefreshes_;
    int saves_ = 0;
    LanguageSwitch language_;
};

TEST_F(LanguageSwitchTest, StartupInGermanRelabelsNothing) {
    EXPECT_FALSE(language_.ApplyLanguage(0, true));
    EXPECT_EQ(language_.languageIndex(), 0);
    EXPECT_TRUE(visits_.empty());
    EXPECT_EQ(labelRefreshes_, std::vector<int>{0});
    EXPECT_EQ(saves_, 0);
}

TEST_F(LanguageSwitchTest, StartupInEnglishRelabelsInSlotOrderWithoutSaving) {
    EXPECT_TRUE(language_.ApplyLanguage(1, true));
    EXPECT_EQ(visits_, (std::vector<std::string>{"menu", "buttons", "wizard"}));
    EXPECT_EQ(menu_.captions[&texts::UseLargeIcons], "Use large icons");
    EXPECT_EQ(buttons_.captions[&texts::CloseHint], "Close");
    EXPECT_EQ(saves_, 0);
    EXPECT_EQ(language_.Text(texts::ReallyQuit), texts::ReallyQuit.english);
}

TEST_F(LanguageSwitchTest, ChoosingTheActiveLanguageChangesNothingButSaves) {
    language_.LangChange(0);
    EXPECT_TRUE(visits_.empty());
    EXPECT_EQ(saves_, 1);
    EXPECT_EQ(labelRefreshes_, std::vector<int>{0});
    language_.LangChange(1);
    visits_.clear();
    language_.LangChange(1);
    EXPECT_TRUE(visits_.empty());
    EXPECT_EQ(saves_, 3);
    EXPECT_EQ(language_.languageIndex(), 1);
}

TEST_F(LanguageSwitchTest, EnglishAndBackRestoresTheDesignedGermanCaptions) {
    language_.LangChange(1);
    EXPECT_NE(menu_.captions, menu_.designed);
    EXPECT_EQ(wizard_.captions[&texts::ImportNext], "Next");
    language_.LangChange(0);
    EXPECT_EQ(menu_.captions, menu_.designed);
    EXPECT_EQ(buttons_.captions, buttons_.designed);
    EXPECT_EQ(wizard_.captions, wizard_.designed);
    EXPECT_EQ(menu_.captions[&texts::UseLargeIcons], "Gro\xDF" "e Icons verwenden");
    EXPECT_EQ(saves_, 2);
    EXPECT_EQ(labelRefreshes_, (std::vector<int>{1, 0}));
}

TEST_F(LanguageSwitchTest, UnknownIndexMeansGerman) {
    language_.ApplyLanguage(1, false);
    visits_.clear();
    EXPECT_TRUE(language_.ApplyLanguage(7, false));
    EXPECT_EQ(language_.languageIndex(), 0);
    EXPECT_EQ(wizard_.captions, wizard_.designed);
    EXPECT_FALSE(language_.ApplyLanguage(-1, false));
}

TEST_F(LanguageSwitchTest, LaterDialogsJoinAndLeaveTheirSlot) {
    std::vector<std::string> editVisits;
    FakeScreen edit({&texts::NameLabel, &texts::EditAbort}, editVisits, "edit");
    language_.Register(RelabelSlot::EditEntryDialog, [&](int i) { edit.Relabel(i); });
    language_.LangChange(1);
    EXPECT_EQ(edit.captions[&texts::EditAbort], "Abort");
    EXPECT_EQ(editVisits.size(), 1u);
    // Re-registering replaces the earlier callback rather than adding a second.
    language_.Register(RelabelSlot::EditEntryDialog, [&](int i) { edit.Relabel(i); });
    language_.LangChange(0);
    EXPECT_EQ(editVisits.size(), 2u);
    language_.Unregister(RelabelSlot::EditEntryDialog);
    language_.LangChange(1);
    EXPECT_EQ(editVisits.size(), 2u);
    EXPECT_EQ(edit.captions, edit.designed);
}

TEST(LanguageMenu, Sprache1ClickChecksTheItemOfTheCurrentLanguage) {
    EXPECT_EQ(Sprache1Click(0), (LanguageMenuChecks{true, false}));
    EXPECT_EQ(Sprache1Click(1), (LanguageMenuChecks{false, true}));
}

}  // namespace
}  // namespace qx
