#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "store/SettingsFile.h"

namespace qx {
namespace {

constexpr const char* kPath = "C:\\Q\\Quillox-Data\\config.cfg";

class SettingsFileTest : public ::testing::Test {
protected:
    test::FakeFileSystem files_;
    SettingsFile file_{files_, kPath};
    std::vector<std::string> errors_;  // the messages of failed loads and saves

    StoredSettings Load() {
        StoredSettings stored;
        Note(file_.Load(stored));
        return stored;
    }
    bool Save(const Settings& settings) { return Note(file_.Save(settings)); }
    bool Note(const Status& status) {
        if (!status) errors_.push_back(status.message());
        return status.ok();
    }
};

// The bytes written (key order, CR LF) and a failing save: SettingsTest and ListFileTest.
TEST_F(SettingsFileTest, MissingFileGivesDefaultsSilentlyAndWhatIsSavedReadsBack) {
    const StoredSettings missing = Load();
    EXPECT_EQ(missing.version, 0);
    EXPECT_EQ(missing.settings, Settings{});
    EXPECT_TRUE(errors_.empty());
    EXPECT_FALSE(file_.overwriteBlocked());
    Settings s;
    s.language = 1;
    s.alpha = 255;
    ASSERT_TRUE(Save(s));
    EXPECT_EQ(Load().settings, s);
}

TEST_F(SettingsFileTest, UnreadableFileShowsTheErrorGivesDefaultsAndBlocksOverwritingUntilASave) {
    const char* busy = "The process cannot access the file because it is being used by another process.";
    files_.Put(kPath, "Version=13\r\nLanguage=1\r\n");
    files_.FailReads(kPath, busy);
    const StoredSettings stored = Load();
    EXPECT_EQ(stored.version, 0);
    EXPECT_EQ(stored.settings.language, 0);
    EXPECT_EQ(errors_, std::vector<std::string>{busy});
    EXPECT_TRUE(file_.overwriteBlocked());
    EXPECT_EQ(files_.Get(kPath), "Version=13\r\nLanguage=1\r\n");
    ASSERT_TRUE(Save(stored.settings));
    EXPECT_FALSE(file_.overwriteBlocked());
    EXPECT_EQ(files_.Get(kPath).substr(0, 24), "Version=13\r\nLanguage=0\r\n");
}

}  // namespace
}  // namespace qx
