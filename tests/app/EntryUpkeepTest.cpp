#include <gtest/gtest.h>

#include "app/BusyPanel.h"
#include "app/EntryCleanup.h"
#include "app/EntryIcons.h"
#include "app/EntryMaintenance.h"
#include "app/FakeMainWindowView.h"
#include "fakes/FakeIconSource.h"
#include "search/ResultListFixture.h"
#include "store/EntryLine.h"
#include "text/LanguageStrings.h"

namespace qx {
namespace {

using Rows = std::vector<std::string>;
using test::FakeIconSource;
const std::string kIcons = test::kData + "Icons\\";
const std::string kBrowser = "C:\\Web\\web.exe";

// Icons, their files and the bulk commands wired as the main window wires them.
class EntryUpkeepTest : public test::ResultListFixture {
protected:
    void SetUp() override {
        ResultListFixture::SetUp();
        icons = std::make_unique<EntryIcons>(*store, fs, system, &source, kBrowser);
        maintenance = std::make_unique<EntryMaintenance>(*store, *model, language, prefixes);
        maintenance->SetIcons(icons.get());
        cleanup = std::make_unique<EntryCleanup>(EntryCleanup::Parts{
            *store, *maintenance, *icons, *model, busy, language, fs, &source, system.version, {}});
        view.onEvent = [this](const std::string&) { locks.push_back(lock.counter()); };
    }
    void Add(const std::vector<std::string>& lines) {
        std::string added;
        for (const std::string& line : lines) store->AddEntryFromLine(line, false, added, false, false, true);
        store->SortEntries();
        model->ChangeToListBox();
    }
    Entry& At(const std::string& name) { return *store->FindEntry(name); }
    std::string IconOf(const std::string& name) { return FakeIconSource::Describe(At(name).Icon()); }
    Rows Names() const { return test::Texts(store->EntryList()); }
    std::vector<int> Flags(const std::string& name) {
        const Entry& e = At(name);
        return {static_cast<int>(e.iconState), e.isFolder, e.hasTarget, e.iconLoaded};
    }

    FakeIconSource source{fs};
    LanguageSwitch language;
    std::unique_ptr<EntryIcons> icons;
    std::unique_ptr<EntryMaintenance> maintenance;
    test::FakeMainWindowView view{clock};
    LockCounter lock{nullptr};
    std::vector<int> locks;  // the lock's count at each thing the window was asked
    BusyPanel busy{view, lock, clock};
    std::unique_ptr<EntryCleanup> cleanup;
};

TEST_F(EntryUpkeepTest, EachKindGetsItsIconAndFlagsAndAFileNamedAfterTheEntry) {
    ASSERT_TRUE(fs.CreateFolder("C:\\Docs"));
    Add({"Editor|C:\\e.exe", "Docs|C:\\Docs", "url: Web|http://x", "exe: reg|regedit", "Printer||||||0|14 00 00 00"});
    for (const char* name : {"Editor", "Docs", "url: Web", "exe: reg", "Printer"}) icons->Load(At(name), false);
    EXPECT_EQ(IconOf("Editor"), "shell C:\\e.exe@32");
    EXPECT_EQ(fs.Get(kIcons + "nFlEditor32.ico"), "shell C:\\e.exe@32");
    EXPECT_EQ(fs.Get(kIcons + "nDrDocs32.ico"), "shell C:\\Docs@32");
    EXPECT_EQ(fs.Get(kIcons + "nFlC\xA2\x9FWeb\x9Fweb.exe32.ico"), "shell C:\\Web\\web.exe@32");
    EXPECT_EQ(IconOf("exe: reg"), "command@32");
    EXPECT_EQ(IconOf("Printer"), "idlist 4@32");
    EXPECT_EQ(fs.ListFiles(kIcons).size(), 4u);  // the command has no file
    EXPECT_EQ(Flags("Docs"), (std::vector<int>{0, 1, 1, 1}));
    EXPECT_EQ(Flags("url: Web"), (std::vector<int>{1, 0, 1, 1}));
    EXPECT_EQ(Flags("exe: reg"), (std::vector<int>{2, 0, 1, 1}));
    EXPECT_EQ(Flags("Printer"), (std::vector<int>{0, 0, 0, 1}));
    EXPECT_EQ(store->IconCache().Count(), 5u);

    // Loaded once unless forced; then the file found decides the icon and the folder flag.
    fs.Put(kIcons + "nDrEditor32.ico", "kept");
    icons->Load(At("Editor"), false);
    EXPECT_EQ(IconOf("Editor"), "shell C:\\e.exe@32");
    icons->Load(At("Editor"), true);
    EXPECT_EQ(IconOf("Editor"), "file kept@32");
    EXPECT_TRUE(At("Editor").isFolder);
}

TEST_F(EntryUpkeepTest, IconPathIsExpandedExtractedOrElseItsShellIconAndAFailedWriteLeavesNoFile) {
    system.environment["TOOLS"] = "C:\\Tools";
    source.extractable = {"C:\\Tools\\i.dll"};
    icons->SetIconSizeProbe([] { return 16; });
    Add({"Tool|C:\\t.exe||||%TOOLS%\\i.dll|3", "Plain|C:\\p.exe||||C:\\no.ico|0"});
    fs.FailWrites(kIcons + "nFlPlain16.ico");
    icons->Load(At("Tool"), false);
    icons->Load(At("Plain"), false);
    EXPECT_EQ(fs.Get(kIcons + "nFlTool16.ico"), "extract C:\\Tools\\i.dll,3@16");
    EXPECT_EQ(IconOf("Plain"), "shell C:\\no.ico@16");
    EXPECT_FALSE(fs.FileExists(kIcons + "nFlPlain16.ico"));
}

TEST_F(EntryUpkeepTest, IconFilesGoWithTheEntryMoveOnRenameAndAreDroppedWhenTheIconChanges) {
    Add({"Alpha|a.exe", "Editor|e.exe", "exe: reg|regedit"});
    for (const int size : {16, 24, 32, 48}) fs.Put(kIcons + "nFlAlpha" + std::to_string(size) + ".ico", "a");
    fs.Put(kIcons + "nDrEditor24.ico", "e");
    fs.Put(kIcons + "nFlEditor48.ico", "e");
    EXPECT_TRUE(maintenance->DeleteEntry("editor"));
    EXPECT_TRUE(maintenance->ReplaceEntry("Alpha", ParseEntryLine("Beta|a.exe")));
    EXPECT_EQ(fs.ListFiles(kIcons), (Rows{"nFlBeta16.ico", "nFlBeta24.ico", "nFlBeta32.ico", "nFlBeta48.ico"}));
    EXPECT_TRUE(maintenance->ReplaceEntry("Beta", ParseEntryLine("Gamma|g.exe")));
    EXPECT_TRUE(fs.ListFiles(kIcons).empty());
}

TEST_F(EntryUpkeepTest, RemoveMissingKeepsProtectedKindsNamespaceItemsIdListsAndOtherVersions) {
    fs.Put("C:\\here.exe", "");
    fs.Put("C:\\Apps\\Quillox\\rel.exe", "");
    source.namespaceItems["\\Control Panel\\Fonts"] = true;
    Add({"Gone|C:\\gone.exe", "Here|C:\\here.exe", "Stick (NoDelete)|E:\\stick\\", "url: Web|http://x",
         "exe: reg|regedit", "Printer||||||0|14 00", "Nothing|", "Old|C:\\old.exe|||||0||||||501",
         "Fonts|@Shell rfControlPanel;Fonts", "Rel|.\\rel.exe"});
    fs.Put(kIcons + "nFlGone32.ico", "g");
    EXPECT_EQ(cleanup->RemoveMissing(), 2);
    EXPECT_EQ(Names(), (Rows{"exe: reg", "Fonts", "Here", "Old", "Printer", "Rel", "Stick (NoDelete)", "url: Web"}));
    EXPECT_FALSE(fs.FileExists(kIcons + "nFlGone32.ico"));
    // Stored paths keep their relative form and markers.
    EXPECT_NE(fs.Get(test::kData + "Files.txt").find("Rel|.\\rel.exe|"), std::string::npos);
    EXPECT_EQ(view.events, (Rows{"busy 255 Bitte warten...", "busy 16776960 Fertig!", "messages 1000", "busy hidden"}));
    EXPECT_EQ(locks, (std::vector<int>{1, 1, 1, 1}));
    EXPECT_TRUE(lock.IsFree());
}

TEST_F(EntryUpkeepTest, RemoveDuplicatesComparesFourColumnsFoldedAndTrimmedAndKeepsTheFirst) {
    Add({"A1|C:\\A\\x.exe ", "a2|c:\\a\\X.EXE", "A3|c:\\a\\x.exe|-p", "b|C:\\A\\x.exe||||i.ico",
         "Other|C:\\A\\x.exe|||||0||||||501"});
    EXPECT_EQ(cleanup->RemoveDuplicates(), 2);
    EXPECT_EQ(Names(), (Rows{"A1", "A3", "Other"}));
    EXPECT_EQ(list.Count(), 3);
}

TEST_F(EntryUpkeepTest, RefreshRemakesIconsOfTheCurrentSizeAndFileInformationForgetsOne) {
    Add({"Editor|C:\\e.exe", "Old|C:\\old.exe|||||0||||||501"});
    fs.Put(kIcons + "nFlEditor32.ico", "stale");
    fs.Put(kIcons + "nFlEditor16.ico", "small");
    fs.Put(kIcons + "nFlOld32.ico", "old");
    cleanup->RefreshIconCache();
    EXPECT_EQ(fs.ListFiles(kIcons), (Rows{"nFlEditor16.ico", "nFlEditor32.ico"}));
    EXPECT_EQ(fs.Get(kIcons + "nFlEditor32.ico"), "shell C:\\e.exe@32");
    EXPECT_FALSE(At("Old").iconLoaded);
    EXPECT_EQ(view.events[1], "busy 16776960 Icons aktualisiert!");

    list.SetSelected(list.Items().IndexOf("Editor"));
    cleanup->RefreshFileInformation();
    EXPECT_EQ(fs.ListFiles(kIcons), Rows{"nFlEditor16.ico"});
    EXPECT_EQ(At("Editor").Icon(), nullptr);
    EXPECT_FALSE(At("Editor").iconLoaded);
}

}  // namespace
}  // namespace qx
