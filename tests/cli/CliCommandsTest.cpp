#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "fakes/FakeFileSystem.h"
#include "platform/StdFileSystem.h"

namespace qx {
namespace {

constexpr const char* kData = "C:\\Q\\Quillox-Data\\";

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

class CliCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Put("Files.txt",
            "Keynote|||music\r\n"
            "Notepad|notepad.exe\r\n"
            "Paint|mspaint.exe|||||||||||501\r\n"
            "exe: regedit|regedit\r\n");
        Put("OldOrders.txt", "exe: calc\r\nexe: notepad x\r\n");
        Put("OldURLs.txt", "url: www.example.org\r\nurl: notes.example.org\r\n");
    }
    void Put(const std::string& name, const std::string& bytes) { fs.Put(kData + name, bytes); }

    Outcome Run(std::vector<std::string> args) {
        std::ostringstream out;
        std::ostringstream err;
        const int code = RunQuilloxCli(args, fs, CliDefaults{kData, 601}, out, err);
        // Whatever ran, the data folder is as it was.
        EXPECT_EQ(fs.writeCount(), 0);
        return {code, out.str(), err.str()};
    }

    test::FakeFileSystem fs;
};

TEST_F(CliCommandsTest, SearchPrintsTheEntryRowsOfTheList) {
    const Outcome note = Run({"search", "note"});
    EXPECT_EQ(note.code, kCliOk);
    EXPECT_EQ(note.out, "Notepad\nKeynote\n");
    EXPECT_EQ(note.err, "");
    // Another Windows version's entry is hidden unless asked for.
    EXPECT_EQ(Run({"search", "paint"}).out, "");
    EXPECT_EQ(Run({"search", "paint", "--winver", "501"}).out, "Paint\n");
    EXPECT_EQ(Run({"search", ""}).out, "");  // an empty input shows nothing, as the list does
}

TEST_F(CliCommandsTest, SearchInCommandAndUrlModesListsTheHistoriesUnderTheTypedLine) {
    // The histories are read; how they are searched is the entry search's test.
    EXPECT_EQ(Run({"search", ",note"}).out, "exe: note\nexe: notepad x\n");
    // Not the entry "exe: regedit": command mode searches the history only.
    EXPECT_EQ(Run({"search", ",reg"}).out, "exe: reg\n");
    // "-" is a query, not an option.
    EXPECT_EQ(Run({"search", "-"}).out, "url: \nurl: www.example.org\nurl: notes.example.org\n");
    EXPECT_EQ(Run({"search", "--data"}).out, "url: -data\n");
    // Without the URL history only the typed line is offered.
    (void)fs.DeleteFile(std::string(kData) + "OldURLs.txt");
    EXPECT_EQ(Run({"search", "+x"}).out, "url: x\n");
}

TEST_F(CliCommandsTest, SearchFollowsThePrefixCharactersOfTheSettings) {
    Put("config.cfg", "ExecWinChar=!\r\nFolderSearchChar=~\r\nExecHttpChar=\r\n");
    EXPECT_EQ(Run({"search", "!cal"}).out, "exe: cal\nexe: calc\n");
    // The old command character starts an entry search now; "<" no longer browses folders.
    EXPECT_EQ(Run({"search", ",x"}).out, "");
    EXPECT_EQ(Run({"search", "<"}).code, kCliOk);
    // An empty setting reads as the factory character.
    EXPECT_EQ(Run({"search", "-www"}).out, "url: www\nurl: www.example.org\n");

    const Outcome folder = Run({"search", "~C:\\"});
    EXPECT_EQ(folder.code, kCliUsage);
    EXPECT_EQ(folder.out, "");
    EXPECT_EQ(folder.err, "quillox-cli: \"~\" starts folder browsing, which lists folders, not entries\n");
}

TEST_F(CliCommandsTest, ListPrintsEveryNameInListOrder) {
    Put("Files.txt", "b\r\nA|||||||||||||501\r\n|no name\r\nexecute: calc\r\nc\r\n\xC4pfel\r\nZebra\r\n");
    EXPECT_EQ(Run({"list"}).out, "A\nb\nc\nexecute: calc\nZebra\n\xC4pfel\n");
    // Without OldOrders.txt "execute: " is converted as on a first start: the on-disk test.
    // A missing entry file means no entries; no template is copied (Run checks that nothing is written).
    (void)fs.DeleteFile(std::string(kData) + "Files.txt");
    Put("Files_de.txt", "Vorlage\r\n");
    const Outcome none = Run({"list"});
    EXPECT_EQ(none.code, kCliOk);
    EXPECT_EQ(none.out + none.err, "");
}

TEST_F(CliCommandsTest, UnreadableFilesAreReportedOnTheErrorStream) {
    fs.FailReads(std::string(kData) + "Files.txt");
    const Outcome search = Run({"search", "a"});
    EXPECT_EQ(search.code, kCliDataFault);
    EXPECT_EQ(search.out, "");
    EXPECT_EQ(search.err, "quillox-cli: Access is denied.\n");
    EXPECT_EQ(Run({"list"}).code, kCliDataFault);
    // The histories are still there.
    EXPECT_EQ(Run({"search", ",calc"}).out, "exe: calc\nexe: calc\n");
    fs.FailReads(std::string(kData) + "OldOrders.txt", "The disk\rwas removed.");
    EXPECT_EQ(Run({"search", ",x"}).err, "quillox-cli: The disk\nwas removed.\n");
}

// Which problems are found is the data check's own business; here: their lines and the count.
TEST_F(CliCommandsTest, CheckReportsFileAndLineAndExitsOneWhenAnythingIsMalformed) {
    const Outcome clean = Run({"check"});
    EXPECT_EQ(clean.code, kCliOk);
    EXPECT_EQ(clean.out, "no problems found\n");
    Put("Files.txt", "Notepad\n");
    EXPECT_EQ(Run({"check"}).out, "Files.txt:1: line ends with a bare LF (not CR LF)\n1 problem found\n");
    Put("config.cfg", "StayOnTop=2\r\n");
    const Outcome bad = Run({"check"});
    EXPECT_EQ(bad.code, kCliDataFault);
    EXPECT_EQ(bad.out,
              "Files.txt:1: line ends with a bare LF (not CR LF)\n"
              "config.cfg:1: StayOnTop is not a flag (0 or 1): \"2\"\n"
              "2 problems found\n");
}

TEST_F(CliCommandsTest, OptionsAndUsageErrors) {
    const std::vector<std::string> usageErrors[] = {
        {}, {"find", "x"}, {"search"}, {"list", "extra"}, {"--verbose", "list"}, {"--winver", "seven", "list"},
        {"--winver", "-5", "list"}, {"list", "--data"}, {"--data", "", "list"}};
    for (const std::vector<std::string>& args : usageErrors) {
        const Outcome outcome = Run(args);
        EXPECT_EQ(outcome.code, kCliUsage) << ::testing::PrintToString(args);
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find("usage: quillox-cli"), std::string::npos);
    }
    const Outcome missing = Run({"--data", "C:\\Nowhere", "list"});
    EXPECT_EQ(missing.code, kCliUsage);
    EXPECT_EQ(missing.err, "quillox-cli: no data folder C:\\Nowhere\\\n");
    fs.Put("D:\\Other\\Files.txt", "Other entry\r\n");
    EXPECT_EQ(Run({"--data", "D:\\Other", "list"}).out, "Other entry\n");
    EXPECT_EQ(Run({"list", "--data", "D:\\Other\\"}).out, "Other entry\n");
    const Outcome help = Run({"--help"});
    EXPECT_EQ(help.code, kCliOk);
    EXPECT_EQ(help.out.rfind("usage: quillox-cli", 0), 0u);
}

// The real file system: the bytes of every file are the same afterwards.
TEST(CliOnDiskTest, ReadsATemporaryDataFolderWithoutChangingIt) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("quillox-cli-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::vector<std::pair<std::string, std::string>> files = {
        {"Files.txt", "Notepad|notepad.exe\r\nKeynote\r\nexecute: calc\r\n"},
        {"config.cfg", "Language=1\r\nExecWinChar=!\r\n"},
        {"OldURLs.txt", "url: example.org\r\n"},
    };
    for (const auto& [name, bytes] : files) std::ofstream(folder / name, std::ios::binary) << bytes;

    const StdFileSystem disk;
    const CliDefaults defaults{folder.string(), 601};
    auto run = [&](std::vector<std::string> args) {
        std::ostringstream out;
        std::ostringstream err;
        const int code = RunQuilloxCli(args, disk, defaults, out, err);
        return std::to_string(code) + ":" + out.str() + err.str();
    };
    // No OldOrders.txt: a first launch would write one and convert "execute: ".
    EXPECT_EQ(run({"list"}), "0:exe: calc\nKeynote\nNotepad\n");
    EXPECT_EQ(run({"search", "!x"}), "0:exe: x\n");
    EXPECT_EQ(run({"search", "+ex"}), "0:url: ex\nurl: example.org\n");
    EXPECT_EQ(run({"check"}), "0:no problems found\n");

    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(folder)) names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Files.txt", "OldURLs.txt", "config.cfg"}));
    for (const auto& [name, bytes] : files) {
        std::string read;
        EXPECT_TRUE(disk.ReadFile((folder / name).string(), read));
        EXPECT_EQ(read, bytes) << name;
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace qx
