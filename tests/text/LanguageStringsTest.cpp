#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "text/LanguageStrings.h"

namespace qx {
namespace {

// A text pasted from a UTF-8 editor or with a bare LF shows as garbage in the boxes.
TEST(LanguageStrings, TextsAreWindows1252WithCrOrCrLfLineBreaks) {
    for (const LangPair* pair : AllLangTexts()) {
        for (const std::string text : {pair->german, pair->english}) {
            for (size_t i = 0; i < text.size(); ++i) {
                const auto c = static_cast<unsigned char>(text[i]);
                const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
                EXPECT_FALSE((c == 0xC3 || c == 0xC2) && next >= 0x80 && next <= 0xBF) << "UTF-8 in " << text;
                EXPECT_FALSE(c == '\n' && (i == 0 || text[i - 1] != '\r')) << "bare LF in " << text;
            }
        }
    }
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
    EXPECT_EQ(saves_, 3);
    EXPECT_EQ(visits_.size(), 6u);
    EXPECT_EQ(labelRefreshes_, (std::vector<int>{0, 1, 0}));
    // An unknown index means German.
    language_.ApplyLanguage(1, false);
    EXPECT_TRUE(language_.ApplyLanguage(7, false));
    EXPECT_EQ(language_.languageIndex(), 0);
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
