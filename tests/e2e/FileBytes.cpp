#include "e2e/FileBytes.h"

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace qx::test {

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

bool FileExists(const std::string& path) {
    return FileSize(path) >= 0;
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return -1;
    }
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::vector<std::string> ListFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
    return names;
}

std::string ProgramFolderOfThisExe() {
    std::string path(32768, '\0');
    path.resize(GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.find_last_of('\\') + 1);
}

TestFolder::TestFolder() {
    static std::atomic<int> counter{0};
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string base = temp + std::string("qx-e2e-") + std::to_string(GetCurrentProcessId()) + "-";
    // A folder left by an earlier run with a recycled process id is skipped, not reused.
    for (int attempt = 0; attempt < 1000 && path_.empty(); ++attempt) {
        const std::string candidate = base + std::to_string(++counter);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) path_ = candidate + "\\";
    }
}

// Deletes the folder with everything in it; read-only files too.
TestFolder::~TestFolder() {
    if (!Created()) return;
    const std::filesystem::path folder = path_.substr(0, path_.size() - 1);
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error))
        SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(folder, error);
}

bool TestFolder::InstallProgram(const std::string& sourceExe) {
    return Created() && CopyFileA(sourceExe.c_str(), ExePath().c_str(), FALSE);
}

bool TestFolder::WriteDataFile(const std::string& name, const std::string& bytes) {
    CreateDirectoryA(DataFolder().c_str(), nullptr);
    return WriteFileBytes(DataFile(name), bytes);
}

bool TestFolder::DeleteDataFile(const std::string& name) {
    return DeleteFileA(DataFile(name).c_str()) || !FileExists(DataFile(name));
}

}  // namespace qx::test
