#pragma once
#include <string>

#include "platform/FileSystem.h"

namespace qx {

// Appends lines to the run's log file. Never reports errors: logging must not disturb callers.
class LogWriter {
public:
    // Deletes the previous run's log.
    LogWriter(IFileSystem& files, std::string path);

    void Write(const std::string& line);
    const std::string& path() const { return path_; }

private:
    IFileSystem& files_;
    std::string path_;
};

}  // namespace qx
