#pragma once
#include <string>
#include <vector>

namespace qx::test {

// Whole-file access in raw bytes: data files are ANSI text, compared byte for byte.
bool ReadFileBytes(const std::string& path, std::string& bytes);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Size in bytes, or -1 when the file is missing.
long long FileSize(const std::string& path);
// Names of the plain files directly inside the folder.
std::vector<std::string> ListFiles(const std::string& folder);
// Deletes a folder with everything in it; read-only files too.
bool DeleteTree(const std::string& folder);
// The folder of the running test program, ending in a backslash.
std::string ProgramFolderOfThisExe();

}  // namespace qx::test
