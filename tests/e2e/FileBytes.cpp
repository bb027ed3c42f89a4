#include "e2e/FileBytes.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace qx::test {

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool FileExists(const std::string& path) {
    return FileSize(path) >= 0;
}

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string ProgramFolderOfThisExe() {
    std::string path(32768, '\0');
    path.resize(GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.find_last_of('\\') + 1);
}

bool TestFolder::InstallProgram(const std::string& sourceExe) {
    return Created() && CopyFileA(sourceExe.c_str(), ExePath().c_str(), FALSE);
}

bool TestFolder::WriteDataFile(const std::string& name, const std::string& bytes) {
    CreateDirectoryA(DataFolder().c_str(), nullptr);
    std::ofstream out(DataFile(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

bool TestFolder::DeleteDataFile(const std::string& name) {
    return DeleteFileA(DataFile(name).c_str()) || !FileExists(DataFile(name));
}

}  // namespace qx::test
