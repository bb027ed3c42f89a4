#include <gtest/gtest.h>

#include "app/AddEntries.h"
#include "exec/ShellLink.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeShellItems.h"
#include "fakes/FakeSystemInfo.h"
#include "fakes/TestStore.h"
#include "platform/FileDialogs.h"
#include "store/EntryLine.h"
#include "text/LanguageStrings.h"

namespace qx {
namespace {

using Lines = std::vector<std::string>;
const std::string kFiles = test::kData + "Files.txt";

struct FakeLinks : IShellLinkSource {
    std::optional<ShellLink> Load(const std::string& file) const override {
        return links.contains(file) ? std::optional(links.at(file)) : std::nullopt;
    }
    std::map<std::string, ShellLink> links;
};

struct FakeDialogs : IFileDialogs {
    Lines ChooseFiles() override { return files; }
    std::optional<std::string> ChooseFolder() override { return folder; }
    std::optional<std::string> ChooseBitmap() override { return std::nullopt; }
    Lines files;
    std::optional<std::string> folder;
};

class AddEntriesTest : public ::testing::Test {
protected:
    AddEntriesTest() {
        hooks.selectInAllEntries = [this](const std::string& name) { selected.push_back(name); };
        store.SetHooks(hooks);
        adder.openEditorForNew = [this] { ++editorsOpened; };
        (void)fs.CreateFolder("C:\\Tools");
        shell.names = {{"C:\\Tools", "Tools"},       {"D:\\", "Data (D:)"},
                       {"C:\\L\\Editor.lnk", "Editor"}, {"C:\\Apps\\notepad.exe", "notepad.exe"},
                       {"C:\\Apps\\setup.exe", "Setup Wizard"}, {"C:\\Windows\\Fonts", "Fonts"}};
        shell.fixed = {"D:\\", "C:\\Apps\\setup.exe"};
        fs.Put("C:\\Apps\\setup.exe", "");
        shell.items["\\Control Panel\\Fonts"] = NamespaceItem{true, "C:\\Windows\\Fonts"};
        links.links["C:\\L\\Editor.lnk"] = {.arguments = "-n", .path = "C:\\Ed\\ed.exe", .workingDirectory = "C:\\Ed",
                                            .idList = std::string("\x14\0\x1F\0", 4), .description = {},
                                            .iconFile = "C:\\Ed\\ed.ico", .iconIndex = 2, .url = {}, .advertised = {}};
        links.links["C:\\L\\News.url"].url = "http://news.example/";
        links.links["C:\\L\\Pct.lnk"].path = "C:\\100%\\a|b.exe";
        links.links["C:\\L\\Bad.lnk"].path = "C:\\Windows\\Uninst.exe";
    }
    std::string LineOf(const std::string& name) { return FormatEntryLine(*store.FindEntry(name)); }

    test::FakeFileSystem fs;
    test::FakeSystemInfo system;
    test::FakeShellItems shell;
    FakeLinks links;
    FakeDialogs dialogs;
    LanguageSwitch language;
    EntryStoreHooks hooks;
    EntryStore store{test::TestStoreContext(fs, system)};
    EntryAdder adder{AddEntriesContext{store, fs, &shell, &links, &dialogs, &language}};
    Lines selected;
    int editorsOpened = 0;
};

TEST_F(AddEntriesTest, AutoAddFileTurnsEachKindOfPathIntoItsEntryLine) {
    const Lines excluded{"", "uninst"};  // an empty text excludes nothing
    const struct {
        std::string path;
        bool takeLinkTarget;
        std::string line;  // empty: nothing added
    } cases[] = {
        {"C:\\Tools", false, " Tools|C:\\Tools\\|||||0||||||0"},
        {"D:\\", false, "  Data (D:) (NoDelete)|D:\\|||||0||||||0"},
        {" C:\\Apps\\notepad.exe\t", false, "notepad|C:\\Apps\\notepad.exe|||||0||||||0"},
        {"C:\\Apps\\setup.exe", false, "Setup Wizard|C:\\Apps\\setup.exe|||||0||||||0"},
        {"\\\\srv\\share\\tool.exe", false, "tool|\\\\srv\\share\\tool.exe|||||0||||||0"},
        {"\\Control Panel\\Fonts", false, " Fonts|C:\\Windows\\Fonts\\|||||0||||||0"},
        {"C:\\L\\Editor.lnk", false, "Editor|C:\\L\\Editor.lnk|||||0||||||0"},
        {"C:\\L\\Editor.lnk", true, "Editor1|C:\\Ed\\ed.exe|-n|terms|C:\\Ed|C:\\Ed\\ed.ico|2|14 0 1F 0|||||0"},
        {"C:\\L\\News.url", true, "url: News|http://news.example/||terms|||0||||||0"},
        {"C:\\L\\Pct.lnk", true, "%_ESC_%Pct|C:\\100%%\\a%|b.exe||terms|||0||||||0"},
        {"C:\\L\\Broken.lnk", true, "Broken|C:\\L\\Broken.lnk||terms|||0||||||0"},
        {"C:\\L\\Bad.lnk", true, ""},
    };
    for (const auto& c : cases) {
        AutoAddOptions options;
        options.takeLinkTarget = c.takeLinkTarget;
        options.excludedTargets = &excluded;
        if (c.takeLinkTarget) options.searchTerms = "terms";
        std::string added = "unset";
        EXPECT_EQ(adder.AutoAddFile(c.path, options, added), !c.line.empty()) << c.path;
        EXPECT_EQ(added.empty() ? "" : LineOf(added), c.line) << c.path;
    }
}

TEST_F(AddEntriesTest, PickersAddUnderFreeNamesSelectTheLastAndSave) {
    dialogs.folder = "C:\\Tools";
    EXPECT_TRUE(adder.Run(AddEntryCommand::Folder));
    dialogs.files = {"C:\\Apps\\notepad.exe", "C:\\Apps\\notepad.exe", "C:\\Tools", "C:\\a.txt", "C:\\b.txt"};
    selected.clear();
    EXPECT_TRUE(adder.Run(AddEntryCommand::LinksAsFiles));
    EXPECT_EQ(selected, Lines{"b"});
    EXPECT_EQ(fs.Get(kFiles), " Tools|C:\\Tools|||||0||||||0\r\n Tools1|C:\\Tools\\|||||0||||||0\r\n"
                              "a|C:\\a.txt|||||0||||||0\r\nb|C:\\b.txt|||||0||||||0\r\n"
                              "notepad|C:\\Apps\\notepad.exe|||||0||||||0\r\n"
                              "notepad1|C:\\Apps\\notepad.exe|||||0||||||0\r\n");
}

TEST_F(AddEntriesTest, TypedEntriesAndCopiesGetFreeNamesOpenTheEditorAndAFailedSaveLosesNothing) {
    language.ApplyLanguage(1, true);
    EXPECT_TRUE(adder.Run(AddEntryCommand::Url));
    EXPECT_TRUE(adder.Run(AddEntryCommand::Url));
    EXPECT_EQ(LineOf("url: Name of URL1"), "url: Name of URL1|http://www.enter-the-address-here.com|||||0||||||0");
    std::string added;
    store.AddEntryFromLine("%_ESC_%Tool|a%|b|-x|t|w|i.ico|3|1 2|P|C|ann|r|601", false, added, false, true, true);
    const std::string saved = fs.Get(kFiles);
    fs.FailWrites(kFiles);
    EXPECT_EQ(adder.CreateCopy(*store.FindEntry("Tool")).message(), "There is not enough space on the disk.");
    EXPECT_EQ(LineOf("Tool1"), "%_ESC_%Tool1|a%|b|-x|t|w|i.ico|3|1 2|P|C|ann|r|601");
    EXPECT_EQ(fs.Get(kFiles), saved);  // the file on disk stays whole; the entries stay in the list
    EXPECT_EQ(store.EntryList().Count(), 4);
    EXPECT_EQ(editorsOpened, 3);
}

}  // namespace
}  // namespace qx
