#include <gtest/gtest.h>

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

// Screens note their name and the language they are relabelled to; captions come from LangText.
class LanguageSwitchTest : public ::testing::Test {
protected:
    using Visits = std::vector<std::string>;
    auto Relabel(const char* name) {
        return [this, name](int i) { visits_.push_back(name + std::to_string(i)); };
    }
    LanguageSwitchTest() {
        // Registered out of order on purpose: the slots decide the order.
        language_.Register(RelabelSlot::ImportWizard, Relabel("wizard"));
        language_.Register(RelabelSlot::OptionsMenu, Relabel("menu"));
        language_.Register(RelabelSlot::MainButtons, Relabel("buttons"));
        language_.SetLanguageLabelsRefresh([this](int i) { labelRefreshes_.push_back(i); });
        language_.SetSaveSettings([this] { ++saves_; });
    }

    Visits visits_;
    std::vector<int> labelRefreshes_;
    int saves_ = 0;
    LanguageSwitch language_;
};

TEST_F(LanguageSwitchTest, StartupRelabelsOnlyForEnglishInSlotOrderWithoutSaving) {
    EXPECT_FALSE(language_.ApplyLanguage(0, true));
    EXPECT_TRUE(visits_.empty());
    EXPECT_TRUE(language_.ApplyLanguage(1, true));
    EXPECT_EQ(visits_, (Visits{"menu1", "buttons1", "wizard1"}));
    EXPECT_EQ(labelRefreshes_, (std::vector<int>{0, 1}));
    EXPECT_EQ(saves_, 0);
    EXPECT_EQ(language_.Text(texts::ReallyQuit), texts::ReallyQuit.english);
    EXPECT_EQ(LangText(texts::ImportNext, 0), texts::ImportNext.german);
}

// A dialog opened later joins its slot (registering again replaces it) and leaves it on closing.
TEST_F(LanguageSwitchTest, ChangingRelabelsTheRegisteredScreensAndSavesAndTheActiveLanguageOnlySaves) {
    language_.ChooseLanguage(0);
    EXPECT_TRUE(visits_.empty());
    language_.Register(RelabelSlot::EditEntryDialog, Relabel("edit"));
    language_.Register(RelabelSlot::EditEntryDialog, Relabel("edit again"));
    language_.ChooseLanguage(1);
    language_.Unregister(RelabelSlot::EditEntryDialog);
    language_.ChooseLanguage(0);
    EXPECT_EQ(visits_, (Visits{"menu1", "buttons1", "edit again1", "wizard1", "menu0", "buttons0", "wizard0"}));
    EXPECT_EQ(saves_, 3);
    EXPECT_EQ(labelRefreshes_, (std::vector<int>{0, 1, 0}));
    // An unknown index means German.
    language_.ApplyLanguage(1, false);
    EXPECT_TRUE(language_.ApplyLanguage(7, false));
    EXPECT_EQ(language_.languageIndex(), 0);
    EXPECT_FALSE(language_.ApplyLanguage(-1, false));
}

}  // namespace
}  // namespace qx
