#include "store/LogWriter.h"

#include <utility>

namespace qx {

LogWriter::LogWriter(IFileSystem& files, std::string path) : files_(files), path_(std::move(path)) {
    (void)files_.DeleteFile(path_);
}

void LogWriter::Write(const std::string& line) {
    // Opened and closed per line so the log is complete even if the process dies.
    (void)files_.AppendToFile(path_, line + "\r\n");
}

}  // namespace qx
