#pragma once
#include <string>

#include "win32/TempFolder.h"

namespace qx::test {

// Whole-file access in raw bytes: data files are ANSI text, compared byte for byte.
bool ReadFileBytes(const std::string& path, std::string& bytes);
bool FileExists(const std::string& path);
// Size in bytes, or -1 when the file is missing.
long long FileSize(const std::string& path);
// The folder of the running test program, ending in a backslash.
std::string ProgramFolderOfThisExe();

// A fresh program folder for one test case in %TEMP%, holding a copy of Quillox.exe and, when
// asked, a "Quillox-Data" folder with given files. Deleted with everything in it on
// destruction, so stop every process that runs from it first.
class TestFolder {
public:
    bool Created() const { return !temp_.path().empty(); }
    // The folder itself, ending in a backslash.
    const std::string& Path() const { return path_; }
    std::string ExePath() const { return path_ + "Quillox.exe"; }
    std::string DataFolder() const { return path_ + "Quillox-Data\\"; }
    std::string DataFile(const std::string& name) const { return DataFolder() + name; }

    // Copies the program under test into the folder.
    bool InstallProgram(const std::string& sourceExe);
    // Writes a file into the data folder (created when missing), bytes as given.
    bool WriteDataFile(const std::string& name, const std::string& bytes);
    // False when the file cannot be read.
    bool ReadDataFile(const std::string& name, std::string& bytes) const {
        return ReadFileBytes(DataFile(name), bytes);
    }
    bool DeleteDataFile(const std::string& name);

private:
    TempFolder temp_;
    std::string path_ = temp_.path() + "\\";
};

}  // namespace qx::test
