#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace qx {

// What the command line does not say.
struct CliDefaults {
    std::string dataFolder;  // used without --data
    int windowsVersion = 601;  // used without --winver
};

inline constexpr int kCliOk = 0;
inline constexpr int kCliDataFault = 1;  // check found malformed lines; a data file could not be read
inline constexpr int kCliUsage = 2;

// quillox-cli [--data DIR] [--winver N] (search QUERY | list | check | --help)
//
// args are the arguments after the program name. Rows and reports go to out, one per line,
// Windows-1252 bytes as they are; messages the program would show in a box go to err. The
// data folder is only read: every write through fs is refused before it reaches it.
int RunQuilloxCli(const std::vector<std::string>& args, const IFileSystem& fs, const CliDefaults& defaults,
                  std::ostream& out, std::ostream& err);

}  // namespace qx
