#include "cli/CliCommands.h"

#include <optional>
#include <string_view>

#include "cli/DataCheck.h"
#include "cli/QuickEntrySearch.h"
#include "platform/MessageBoxes.h"
#include "platform/StdFileSystem.h"
#include "platform/SystemInfo.h"
#include "search/EntrySearch.h"
#include "search/QueryState.h"
#include "store/EntryStore.h"
#include "store/ListFile.h"
#include "store/SettingsFile.h"

namespace qx {
namespace {

constexpr std::string_view kUsage =
    "usage: quillox-cli [--data DIR] [--winver N] COMMAND\n"
    "  search QUERY   the rows the list shows for QUERY typed into the input line\n"
    "  list           every entry name, in list order\n"
    "  check          report malformed lines of Files.txt, config.cfg, OldOrders.txt, OldURLs.txt\n"
    "  --data DIR     the data folder (default: Quillox-Data)\n"
    "  --winver N     Windows version number for WinVersion filtering (601 is Windows 7)\n"
    "exit codes: 0 done, 1 malformed or unreadable data, 2 usage error\n";

// Boxes become lines on the error stream; the program's texts break lines with a lone CR.
class StreamMessageBoxes : public IMessageBoxes {
public:
    explicit StreamMessageBoxes(std::ostream& err) : err_(err) {}
    void ShowMessage(const std::string& text) override { Write(text); }
    bool AskQuestion(const std::string& text) override {
        Write(text);
        return false;  // nothing here may change the data
    }
    void ShowError(const std::string& text) override {
        Write(text);
        ++errors_;
    }
    int errors() const { return errors_; }

private:
    void Write(std::string text) {
        for (char& c : text)
            if (c == '\r') c = '\n';
        err_ << "quillox-cli: " << text << '\n';
    }
    std::ostream& err_;
    int errors_ = 0;
};

// Only the version number is asked for; paths are never resolved here.
class FixedSystemInfo : public ISystemInfo {
public:
    explicit FixedSystemInfo(int version) : version_(version) {}
    std::string ExpandEnvironmentStrings(const std::string& text) const override { return text; }
    int WindowsVersionNumber() const override { return version_; }
    std::string ShellRootDisplayName(ShellRoot) const override { return {}; }
    ScreenDpi PixelsPerInch() const override { return {}; }
    int LargeShellIconSize() const override { return 32; }

private:
    int version_;
};

// The change handling runs as in the window; folder browsing is noted, not entered.
class CliQueryHooks : public IQueryHooks {
public:
    void CloseBalloonTip() override {}
    bool IsFolderBrowsing() const override { return folderBrowsing; }
    void SetFolderBrowsing(bool on) override { folderBrowsing = on; }
    bool IsInputLockFree() const override { return true; }
    void SwitchToSearchResults() override {}
    bool IsInputLineHidden() const override { return false; }
    void RepaintTopBar() override {}
    std::string ExpandPath(const std::string& path) const override { return path; }

    bool folderBrowsing = false;
};

struct Command {
    std::string name;
    std::string query;
    std::string dataFolder;
    int windowsVersion = 0;
    bool help = false;
};

std::optional<Command> ParseArguments(const std::vector<std::string>& args, const CliDefaults& defaults,
                                      std::ostream& err) {
    Command command;
    command.dataFolder = defaults.dataFolder;
    command.windowsVersion = defaults.windowsVersion;
    auto fail = [&](const std::string& text) {
        err << "quillox-cli: " << text << '\n' << kUsage;
        return std::nullopt;
    };
    bool queryTaken = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // The query comes right after "search" and is taken as it is: "-" and "+" begin inputs.
        if (command.name == "search" && !queryTaken) {
            command.query = arg;
            queryTaken = true;
        } else if (arg == "--help" || arg == "-h") {
            command.help = true;
        } else if (arg == "--data" || arg == "--winver") {
            if (i + 1 == args.size()) return fail(arg + " needs a value");
            const std::string& value = args[++i];
            if (arg == "--data") {
                if (value.empty()) return fail("--data needs a folder");
                command.dataFolder = value;
            } else if (!ParseDecimal(value, command.windowsVersion) || command.windowsVersion < 0) {
                return fail("--winver needs a number such as 601, not \"" + value + "\"");
            }
        } else if (arg.starts_with("-")) {
            return fail("unknown option " + arg);
        } else if (!command.name.empty()) {
            return fail("unexpected argument \"" + arg + "\"");
        } else if (arg == "search" || arg == "list" || arg == "check") {
            command.name = arg;
        } else {
            return fail("unknown command \"" + arg + "\"");
        }
    }
    if (command.help) return command;
    if (command.name.empty()) return fail("no command given");
    if (command.name == "search" && !queryTaken) return fail("search needs a query");
    if (!command.dataFolder.ends_with('\\') && !command.dataFolder.ends_with('/')) command.dataFolder += '\\';
    return command;
}

// The session state a search or listing needs, read as the program reads it at start-up.
class DataFolderReader {
public:
    DataFolderReader(const IFileSystem& fs, std::string dataFolder, int windowsVersion, std::ostream& err)
        : files_(fs), boxes_(err), system_(windowsVersion), dataFolder_(std::move(dataFolder)) {}

    int errors() const { return boxes_.errors(); }
    std::string Path(const char* name) const { return dataFolder_ + name; }
    // No OldOrders.txt: the program would take this start for its first.
    bool FirstLaunch() const { return !files_.FileExists(Path("OldOrders.txt")); }

    // A file that could not be read is reported as the program shows it.
    void Report(const Status& status) {
        if (!status) boxes_.ShowError(status.message());
    }

    PrefixCharacters ReadPrefixes() {
        SettingsFile file(files_, Path("config.cfg"));
        StoredSettings stored;
        Report(file.Load(stored));
        return PrefixCharactersOf(stored.settings);
    }

    // A missing history is empty, as on a first launch (which would create OldOrders.txt).
    std::vector<std::string> ReadHistory(const char* name) {
        std::vector<std::string> lines;
        if (files_.FileExists(Path(name))) Report(LoadListFile(lines, Path(name), files_));
        return lines;
    }

    // Files.txt; empty when missing (the first-run templates are not copied).
    std::string ReadEntryFile() {
        std::string bytes;
        if (files_.FileExists(Path("Files.txt"))) Report(ReadListFile(bytes, Path("Files.txt"), files_));
        return bytes;
    }

    // The EntryList as LoadEntries builds it, without the writes of a first launch.
    void LoadEntryList(EntryStore& store) {
        const std::string bytes = ReadEntryFile();
        const bool firstLaunch = FirstLaunch();
        std::string addedName;
        for (std::string_view line : SplitLineViews(bytes)) {
            if (firstLaunch && line.starts_with("execute: ")) {
                store.AddEntryFromLine("exe: " + std::string(line.substr(9)), false, addedName, false, false, true);
            } else {
                store.AddEntryFromLine(line, false, addedName, false, false, true);
            }
        }
        store.SortEntries();
    }

    EntryStore MakeStore() {
        FolderSet folders;
        folders.dataFolder = dataFolder_;
        return EntryStore(StoreContext{files_, system_, folders, {}});
    }

    ReadOnlyFileSystem& files() { return files_; }
    const FixedSystemInfo& system() const { return system_; }
    StreamMessageBoxes& boxes() { return boxes_; }

private:
    ReadOnlyFileSystem files_;
    StreamMessageBoxes boxes_;
    FixedSystemInfo system_;
    std::string dataFolder_;
};

void WriteLines(const std::vector<std::string>& lines, std::ostream& out) {
    std::string text;
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 1;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

int Search(const Command& command, DataFolderReader& data, std::ostream& out, std::ostream& err) {
    const PrefixCharacters prefixes = data.ReadPrefixes();
    CliQueryHooks hooks;
    QueryState query(prefixes, hooks);
    query.FormEditChange(command.query);
    if (hooks.folderBrowsing) {
        err << "quillox-cli: \"" << command.query.substr(0, 1)
            << "\" starts folder browsing, which lists folders, not entries\n";
        return kCliUsage;
    }

    std::vector<std::string> rows;
    if (query.Mode() == InputMode::EntrySearch) {
        if (query.textLength() > 0) {
            const QuickEntrySearch search(data.ReadEntryFile(), data.FirstLaunch());
            rows = search.Search(query.currentText(), command.windowsVersion);
        }
    } else {
        const std::vector<std::string> commands =
            query.Mode() == InputMode::Command ? data.ReadHistory("OldOrders.txt") : std::vector<std::string>{};
        const std::vector<std::string> urls =
            query.Mode() == InputMode::Url ? data.ReadHistory("OldURLs.txt") : std::vector<std::string>{};
        RowList noEntries;
        RowList results;
        EntrySearch search;
        search.SearchEntries(query, noEntries, commands, urls, results, command.windowsVersion);
        for (int i = 0; i < results.Count(); ++i) rows.push_back(results.Strings(i));
    }
    WriteLines(rows, out);
    return data.errors() > 0 ? kCliDataFault : kCliOk;
}

int List(DataFolderReader& data, std::ostream& out) {
    EntryStore store = data.MakeStore();
    data.LoadEntryList(store);
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(store.EntryList().Count()));
    for (int i = 0; i < store.EntryList().Count(); ++i) names.push_back(store.EntryList().Strings(i));
    WriteLines(names, out);
    return data.errors() > 0 ? kCliDataFault : kCliOk;
}

int Check(DataFolderReader& data, const std::string& dataFolder, std::ostream& out) {
    const std::vector<DataProblem> problems = CheckDataFolder(data.files(), dataFolder);
    for (const DataProblem& problem : problems) out << FormatProblem(problem) << '\n';
    if (problems.empty()) {
        out << "no problems found\n";
        return kCliOk;
    }
    out << problems.size() << (problems.size() == 1 ? " problem" : " problems") << " found\n";
    return kCliDataFault;
}

}  // namespace

int RunQuilloxCli(const std::vector<std::string>& args, const IFileSystem& fs, const CliDefaults& defaults,
                  std::ostream& out, std::ostream& err) {
    const std::optional<Command> command = ParseArguments(args, defaults, err);
    if (!command) return kCliUsage;
    if (command->help) {
        out << kUsage;
        return kCliOk;
    }
    if (!fs.FolderExists(command->dataFolder)) {
        err << "quillox-cli: no data folder " << command->dataFolder << '\n';
        return kCliUsage;
    }
    DataFolderReader data(fs, command->dataFolder, command->windowsVersion, err);
    if (command->name == "search") return Search(*command, data, out, err);
    if (command->name == "list") return List(data, out);
    return Check(data, command->dataFolder, out);
}

}  // namespace qx
