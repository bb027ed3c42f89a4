#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace qx {

// One malformed line of a data file. line is 1-based; 0 stands for the file as a whole.
struct DataProblem {
    std::string file;
    int line = 0;
    std::string text;

    bool operator==(const DataProblem&) const = default;
};

// "Files.txt:12: text", or "Files.txt: text" for the whole file.
std::string FormatProblem(const DataProblem& problem);

// Lines longer than this are reported: no path, command line or name comes near it.
inline constexpr std::size_t kLongLineBytes = 32768;

// What the program writes: Windows-1252 lines ended by CR LF, no byte order mark, no NUL.
// Each checker reports these byte-level faults first, then those of its own format, in line
// order. Every check only reads.
std::vector<DataProblem> CheckEntryFile(std::string_view bytes);     // Files.txt
std::vector<DataProblem> CheckSettingsFile(std::string_view bytes);  // config.cfg
// OldOrders.txt (lines begin "exe: ") or OldURLs.txt (lines begin "url: ").
std::vector<DataProblem> CheckHistoryFile(std::string_view bytes, const std::string& fileName,
                                          std::string_view linePrefix);

// The four files of a data folder (a path ending in a backslash). A missing file is no
// problem (the program starts without it); one that cannot be read is.
std::vector<DataProblem> CheckDataFolder(const IFileSystem& fs, const std::string& dataFolder);

}  // namespace qx
