#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "text/LanguageStrings.h"

namespace qx {
namespace {

const LangPair& Row(int number) { return *AllLangTexts()[static_cast<size_t>(number - 1)]; }

TEST(LanguageStrings, TableHolds180RowsInStorageOrderWithoutTheTrayTexts) {
    const auto all = AllLangTexts();
    ASSERT_EQ(all.size(), 180u);
    EXPECT_EQ(std::count(all.begin(), all.end(), &texts::TrayShow), 0);
    EXPECT_EQ(std::count(all.begin(), all.end(), &texts::TrayClose), 0);
    EXPECT_EQ(&Row(1), &texts::AddEntry);
    EXPECT_EQ(&Row(44), &texts::ReallyQuit);
    EXPECT_EQ(&Row(106), &texts::NoDeleteHint);
    EXPECT_EQ(&Row(168), &texts::NotFoundStart);
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
    EXPECT_STREQ(Row(106).german,
                 "Ist dieses Feld angew\xE4hlt, wird der Eintrag bei\r\n"
                 "\"Verweise auf nicht existierende Dateien und Ordner entfernen\"\r\n"
                 "auch dann nicht gel\xF6scht, wenn sein Ziel nicht existiert. \r\n"
                 "\r\n"
                 "Dies ist z.B. bei Netzlaufwerken und \r\n"
                 "bei Wechseldatentr\xE4gern w\xFCnschenswert. ");
    EXPECT_STREQ(Row(111).german, "Datails");
    EXPECT_STREQ(Row(121).german, "Verkn\xFCpfungen als Dateien hinzuf\xFCgen (Strg+D))");
    EXPECT_STREQ(Row(173).english, "The file type is not assigned to an application.");
    EXPECT_STREQ(Row(179).english, "\"");
    EXPECT_STREQ(texts::TrayClose.german, "Schlie\xDF" "en");
    EXPECT_STREQ(Row(82).german, texts::TrayClose.german);
    EXPECT_STREQ(texts::FileInfoSize.german, "Dateigr\xF6\xDF" "e");
}

TEST(LanguageStrings, TextsAreWindows1252AndOnlyTheRemovableDriveHintUsesCrLf) {
    for (int row = 1; row <= 180; ++row) {
        for (const std::string text : {Row(row).german, Row(row).english}) {
            int lineFeeds = 0;
            for (size_t i = 0; i < text.size(); ++i) {
                const auto c = static_cast<unsigned char>(text[i]);
                const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
                EXPECT_FALSE((c == 0xC3 || c == 0xC2) && next >= 0x80 && next <= 0xBF) << "UTF-8 in row " << row;
                if (c == '\n') {
                    ++lineFeeds;
                    EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "row " << row;
                } else if (c == '\r' && row == 106) {
                    EXPECT_EQ(next, '\n');
                }
            }
            EXPECT_EQ(lineFeeds, row == 106 ? 5 : 0) << "row " << row;
        }
    }
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
    EXPECT_EQ(LangText(texts::NameExistsStart, 1) + "Editor" + LangText(texts::NameExistsEnd, 1),
              "An entry with the name \"Editor\" already exists");
    EXPECT_EQ(LangText(texts::NameExistsStart, 0) + "Editor" + LangText(texts::NameExistsEnd, 0),
              "Ein Eintrag mit dem Namen \"Editor\" existiert bereits.");
}

// Screens whose German captions are relabelled from the table; visits record the order.
class LanguageSwitchTest : public ::testing::Test {
protected:
    using Captions = std::map<const LangPair*, std::string>;
    static Captions German(std::initializer_list<const LangPair*> pairs) {
        Captions captions;
        for (const LangPair* pair : pairs) captions[pair] = pair->german;
        return captions;
    }
    auto Relabel(Captions& screen, const char* name) {
        return [this, &screen, name](int i) {
            visits_.push_back(name);
            for (auto& [pair, caption] : screen) caption = LangText(*pair, i);
        };
    }
    LanguageSwitchTest() {
        // Registered out of order on purpose: the slots decide the order.
        language_.Register(RelabelSlot::ImportWizard, Relabel(wizard_, "wizard"));
        language_.Register(RelabelSlot::OptionsMenu, Relabel(menu_, "menu"));
        language_.Register(RelabelSlot::MainButtons, Relabel(buttons_, "buttons"));
        language_.SetLanguageLabelsRefresh([this](int i) { labelRefreshes_.push_back(i); });
        language_.SetSaveSettings([this] { ++saves_; });
    }

    std::vector<std::string> visits_;
    const Captions designedMenu_ = German({&texts::AddEntry, &texts::UseLargeIcons});
    const Captions designedWizard_ = German({&texts::ImportFolderHelp, &texts::ImportNext});
    Captions menu_ = designedMenu_, wizard_ = designedWizard_, buttons_ = German({&texts::CloseHint});
    std::vector<int> labelRefreshes_;
    int saves_ = 0;
    LanguageSwitch language_;
};

TEST_F(LanguageSwitchTest, StartupRelabelsOnlyForEnglishInSlotOrderWithoutSaving) {
    EXPECT_FALSE(language_.ApplyLanguage(0, true));
    EXPECT_TRUE(visits_.empty());
    EXPECT_TRUE(language_.ApplyLanguage(1, true));
    EXPECT_EQ(visits_, (std::vector<std::string>{"menu", "buttons", "wizard"}));
    EXPECT_EQ(menu_[&texts::UseLargeIcons], "Use large icons");
    EXPECT_EQ(buttons_[&texts::CloseHint], "Close");
    EXPECT_EQ(labelRefreshes_, (std::vector<int>{0, 1}));
    EXPECT_EQ(saves_, 0);
    EXPECT_EQ(language_.Text(texts::ReallyQuit), texts::ReallyQuit.english);
}

TEST_F(LanguageSwitchTest, ChangingRelabelsAndSavesAndTheActiveLanguageOnlySaves) {
    language_.ChooseLanguage(0);
    EXPECT_TRUE(visits_.empty());
    language_.ChooseLanguage(1);
    EXPECT_EQ(wizard_[&texts::ImportNext], "Next");
    language_.ChooseLanguage(0);
    EXPECT_EQ(menu_, designedMenu_);
    EXPECT_EQ(wizard_, designedWizard_);
    EXPECT_EQ(menu_[&texts::UseLargeIcons], "Gro\xDF" "e Icons verwenden");
    EXPECT_EQ(saves_, 3);
    EXPECT_EQ(visits_.size(), 6u);
    EXPECT_EQ(labelRefreshes_, (std::vector<int>{0, 1, 0}));
    // An unknown index means German.
    language_.ApplyLanguage(1, false);
    EXPECT_TRUE(language_.ApplyLanguage(7, false));
    EXPECT_EQ(language_.languageIndex(), 0);
    EXPECT_EQ(wizard_, designedWizard_);
    EXPECT_FALSE(language_.ApplyLanguage(-1, false));
}

TEST_F(LanguageSwitchTest, LaterDialogsJoinReplaceAndLeaveTheirSlot) {
    const Captions designed = German({&texts::NameLabel, &texts::EditAbort});
    Captions edit = designed;
    language_.Register(RelabelSlot::EditEntryDialog, Relabel(edit, "edit"));
    language_.ChooseLanguage(1);
    EXPECT_EQ(edit[&texts::EditAbort], "Abort");
    language_.Register(RelabelSlot::EditEntryDialog, Relabel(edit, "edit"));  // replaces, adds no second
    language_.ChooseLanguage(0);
    EXPECT_EQ(std::count(visits_.begin(), visits_.end(), "edit"), 2);
    language_.Unregister(RelabelSlot::EditEntryDialog);
    language_.ChooseLanguage(1);
    EXPECT_EQ(std::count(visits_.begin(), visits_.end(), "edit"), 2);
    EXPECT_EQ(edit, designed);
    EXPECT_EQ(LanguageMenuChecksFor(0), (LanguageMenuChecks{true, false}));
    EXPECT_EQ(LanguageMenuChecksFor(1), (LanguageMenuChecks{false, true}));
}

}  // namespace
}  // namespace qx
