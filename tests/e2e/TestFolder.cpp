#include "e2e/TestFolder.h"

#include <windows.h>

#include <atomic>

#include "e2e/FileBytes.h"

namespace qx::test {

namespace {

std::string TempFolder() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    if (length == 0 || length > MAX_PATH) {
        return "C:\\";
    }
    return buffer;
}

}  // namespace

TestFolder::TestFolder() {
    static std::atomic<int> counter{0};
    const std::string base = TempFolder() + "qx-e2e-" + std::to_string(GetCurrentProcessId()) + "-";
    // A folder left by an earlier run with a recycled process id is skipped, not reused.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::string candidate = base + std::to_string(++counter);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate + "\\";
            return;
        }
    }
}

TestFolder::~TestFolder() {
    if (Created()) {
        DeleteTree(path_.substr(0, path_.size() - 1));
    }
}

bool TestFolder::InstallProgram(const std::string& sourceExe) {
    return Created() && CopyFileA(sourceExe.c_str(), ExePath().c_str(), FALSE);
}

bool TestFolder::WriteDataFile(const std::string& name, const std::string& bytes) {
    if (!Created()) {
        return false;
    }
    CreateDirectoryA(DataFolder().c_str(), nullptr);
    return WriteFileBytes(DataFile(name), bytes);
}

bool TestFolder::ReadDataFile(const std::string& name, std::string& bytes) const {
    return ReadFileBytes(DataFile(name), bytes);
}

bool TestFolder::DeleteDataFile(const std::string& name) {
    return DeleteFileA(DataFile(name).c_str()) || !FileExists(DataFile(name));
}

}  // namespace qx::test
