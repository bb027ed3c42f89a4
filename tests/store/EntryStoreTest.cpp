#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeSystemInfo.h"
#include "fakes/TestStore.h"
#include "search/SearchTestLists.h"

namespace qx {
namespace {

using Lines = std::vector<std::string>;
using test::kData;
const std::string kFiles = kData + "Files.txt";

class EntryStoreTest : public ::testing::Test {
protected:
    EntryStore& Store() {
        if (!store_) store_ = std::make_unique<EntryStore>(test::TestStoreContext(fs, system, hooks));
        return *store_;
    }
    // A normal start: not the first, so the histories exist.
    void Load(int language = 1, bool firstLaunch = false) {
        if (!firstLaunch && !fs.FileExists(kData + "OldOrders.txt")) fs.Put(kData + "OldOrders.txt", "");
        Note(Store().LoadEntries(LoadOptions{language, firstLaunch}));
    }
    Lines Names() { return test::Texts(Store().EntryList()); }
    std::string Add(const std::string& line, bool makeUnique, bool allowExisting, bool refresh = true) {
        std::string added = "unset";
        Store().AddEntryFromLine(line, makeUnique, added, true, refresh, allowExisting);
        return added;
    }
    // The messages the program would show for failed reads and writes, in order.
    bool Note(const Status& status) {
        if (!status) errors.push_back(status.message());
        return status.ok();
    }
    void Note(const Failures& failures) {
        for (const Status& status : failures.All()) Note(status);
    }

    test::FakeFileSystem fs;
    test::FakeSystemInfo system;
    Lines errors;
    EntryStoreHooks hooks;
    std::unique_ptr<EntryStore> store_;
};

TEST_F(EntryStoreTest, SavesSortedByNameAndAFailingSaveKeepsTheOldFile) {
    fs.Put(kFiles, "x|y\r\n");
    Load();
    for (const char* name : {"b", "A", "c"}) Add(std::string(name) + "|v", false, false);
    ASSERT_TRUE(Note(Store().SaveEntries(false)));
    const std::string saved = fs.Get(kFiles);
    EXPECT_EQ(saved, "A|v|||||0||||||0\r\nb|v|||||0||||||0\r\nc|v|||||0||||||0\r\nx|y|||||0||||||0\r\n");
    Add("d|v", false, false);
    fs.FailWrites(kFiles);
    EXPECT_FALSE(Note(Store().SaveEntries(false)));
    EXPECT_EQ(fs.Get(kFiles), saved);
    EXPECT_EQ(errors, (Lines{"There is not enough space on the disk."}));
}

TEST_F(EntryStoreTest, DuplicateNamesLoadAndAThirdGetsANumber) {
    fs.Put(kFiles, "Dup|1\r\ndup|2\r\n");
    Load();
    EXPECT_EQ(Store().EntryList().Count(), 2);
    EXPECT_EQ(Add("Dup|3", true, true), "Dup1");
    EXPECT_EQ(Add("dup|4", false, false), "");  // taken, refused
    EXPECT_EQ(Add("|no name", true, true), "");
    EXPECT_FALSE(Store().IsNameFree(""));
    for (int i = 2; i <= 100; ++i) Add("Dup" + std::to_string(i) + "|x", false, true, false);
    EXPECT_EQ(Store().MakeUniqueName("dup"), "dup101");  // all taken: 101 regardless
    EXPECT_EQ(Store().MakeUniqueName("new"), "new");
}

TEST_F(EntryStoreTest, AddRefreshesAndSelectsThroughTheHooks) {
    bool browsing = false;
    int rebuilds = 0;
    Lines selected;
    hooks.isFolderBrowsing = [&] { return browsing; };
    hooks.rebuildResultList = [&] { ++rebuilds; };
    hooks.selectInAllEntries = [&](const std::string& name) { selected.push_back(name); };
    Load();
    Add("b|x", false, true);
    Add("a|x", false, true);
    EXPECT_EQ(Names(), (Lines{"a", "b"}));
    browsing = true;
    Add("0|x", false, true);  // sorted, but the result list is left alone while browsing
    EXPECT_EQ(Names(), (Lines{"0", "a", "b"}));
    EXPECT_EQ(rebuilds, 2);
    EXPECT_EQ(selected, (Lines{"b", "a", "0"}));
    Note(Store().SaveEntries(true));
    EXPECT_EQ(rebuilds, 2);
    browsing = false;
    Note(Store().SaveEntries(true));
    EXPECT_EQ(rebuilds, 3);
}

TEST_F(EntryStoreTest, FirstRunOnXpBuildsFilesFromTheEnglishTemplates) {
    system.version = 501;
    fs.Put(kData + "Files_en.txt", "execute: cmd|cmd\r\nNotepad|notepad.exe\r\n");
    fs.Put(kData + "Files_en_xp.txt", "Docs|%USERPROFILE%\\My Documents\n");
    fs.Put(kData + "Files_en_vista.txt", "Wrong|x\r\n");
    fs.Put(kData + "Files_de.txt", "Falsch|x\r\n");
    Load(1, true);
    EXPECT_EQ(fs.Get(kFiles),
              "%_ESC_%Docs|%%USERPROFILE%%\\My Documents|||||0||||||0\r\n"
              "exe: cmd|cmd|||||0||||||0\r\n"
              "Notepad|notepad.exe|||||0||||||0\r\n");
    EXPECT_EQ(fs.Get(kData + "OldOrders.txt"), "");  // the next start is no first launch
    EXPECT_TRUE(errors.empty());
}

TEST_F(EntryStoreTest, MissingCompanionShowsTheErrorAndKeepsTheLanguageTemplate) {
    fs.Put(kData + "Files_de.txt", "Rechner|calc.exe\r\n");
    Load(0, false);
    EXPECT_EQ(fs.Get(kFiles), "Rechner|calc.exe\r\n");
    EXPECT_EQ(errors, (Lines{"The system cannot find the file specified."}));
    EXPECT_EQ(Names(), (Lines{"Rechner"}));
}

// Only a first launch converts or writes; a missing file means no entries, an unreadable one an error.
TEST_F(EntryStoreTest, LaterLoadsConvertAndWriteNothingAndAnUnreadableFileLeavesTheListEmpty) {
    Load();
    EXPECT_EQ(Store().EntryList().Count(), 0);
    fs.Put(kFiles, "execute: x|x\r\n");
    Load();
    EXPECT_EQ(Names(), (Lines{"execute: x"}));
    store_.reset();  // a fresh start
    fs.FailReads(kFiles);
    Load();
    EXPECT_EQ(Store().EntryList().Count(), 0);
    EXPECT_EQ(errors, (Lines{"Access is denied."}));
    EXPECT_EQ(fs.writeCount(), 0);
}

TEST_F(EntryStoreTest, BadInputLoadsWhatItCanAndIsNotRewritten) {
    const std::string longLine = "Long|" + std::string(1 << 20, 'v');
    using namespace std::string_literals;
    const std::string text = "\xEF\xBB\xBF" "Bom|b\r\n"s + "Bin\0ary|\x01\xFF\n"s + longLine + "\r" +
                             "Two|cols\r\n" + "Ints|v||||i|twelve||||||6o1\n" + "||||||||||||\r\n" + "\r\n" +
                             "|starts with a bar\r\n" + "Last|no line end";
    fs.Put(kFiles, text);
    Load();
    EXPECT_EQ(Names(), (Lines{"Bin\0ary"s, "Bom", "Ints", "Last", "Long", "Two"}));
    EXPECT_EQ(Store().FindEntry("Long")->Value().size(), size_t{1} << 20);
    EXPECT_EQ(fs.writeCount(), 0);
    EXPECT_TRUE(errors.empty());
}

TEST_F(EntryStoreTest, StandardEntriesImportThroughTheLaunchMarkerOtherFoldersThroughTheHook) {
    const std::string standard = kData + "Standard-Entrys\\";
    fs.Put(standard + "Editor.lnk", "");
    fs.Put(standard + "Tool.v2.exe", "");
    fs.Put(standard + ".hidden", "");
    fs.Put(kFiles, "editor|taken\r\n");
    Load();
    // Names drop the last extension; a leading dot starts none.
    EXPECT_EQ(Store().ImportLooseFiles(kData + "Standard-Entrys").added, 2);
    EXPECT_EQ(fs.Get(kFiles), ".hidden|@Launch .hidden|||||0||||||0\r\neditor|taken|||||0||||||0\r\n"
                              "Tool.v2|@Launch Tool.v2.exe|||||0||||||0\r\n");

    const std::string links = "C:\\Users\\ann\\QuilloxTmpLinks\\";
    fs.Put(links + "a.lnk", "");
    fs.Put(links + "b.lnk", "");
    EXPECT_EQ(Store().ImportLooseFiles(links).added, 0);
    EXPECT_TRUE(fs.FileExists(links + "a.lnk"));
    Lines offered;
    EntryStoreHooks adding;
    adding.autoAddFile = [&](const std::string& path) {
        offered.push_back(path);
        return path.ends_with("a.lnk");
    };
    Store().SetHooks(adding);
    EXPECT_EQ(Store().ImportLooseFiles(links).added, 1);
    EXPECT_EQ(offered, (Lines{links + "a.lnk", links + "b.lnk"}));
    EXPECT_FALSE(fs.FileExists(links + "a.lnk"));  // added, so deleted
    EXPECT_TRUE(fs.FileExists(links + "b.lnk"));
    fs.Put(links + "a.lnk", "");
    fs.FailWrites(kFiles);
    EXPECT_FALSE(Store().ImportLooseFiles(links).saved);
    EXPECT_TRUE(fs.FileExists(links + "a.lnk"));  // kept until its entry is on disk
}

TEST_F(EntryStoreTest, HistoriesLoadAndKeepTheNewestHundredDistinctLines) {
    fs.Put(kData + "OldOrders.txt", "exe: b\r\nexe: a\r\n");
    Load();
    History& commands = Store().CommandHistory();
    EXPECT_EQ(commands.Lines(), (Lines{"exe: b", "exe: a"}));
    Note(Store().RememberLaunch(commands, "EXE: A", true));
    EXPECT_EQ(commands.Lines(), (Lines{"EXE: A", "exe: b"}));
    Note(Store().RememberLaunch(commands, "exe: failed", false));
    EXPECT_EQ(commands.Count(), 2);
    for (int i = 0; i < 120; ++i) Note(Store().RememberLaunch(commands, "exe: " + std::to_string(i), true));
    EXPECT_EQ(commands.Count(), 100);
    EXPECT_EQ(commands.Lines().back(), "exe: 20");
    EXPECT_TRUE(fs.Get(kData + "OldOrders.txt").starts_with("exe: 119\r\nexe: 118\r\n"));
    EXPECT_FALSE(fs.FileExists(kData + "OldURLs.txt"));
}

}  // namespace
}  // namespace qx
