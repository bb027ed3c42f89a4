#pragma once
#include "platform/win32/Win32Api.h"

#include <filesystem>
#include <string>

namespace qx::test {

// A fresh folder under the system temp folder (empty path when none could be made), removed
// with everything in it (read-only files included) when the test ends.
class TempFolder {
public:
    TempFolder() {
        char base[MAX_PATH + 1] = {};
        ::GetTempPathA(sizeof base, base);
        static unsigned counter = 0;
        const std::string prefix = std::string(base) + "qx-test-" + std::to_string(::GetCurrentProcessId()) + "-";
        // A folder left by an earlier run with a recycled process id is skipped, not reused.
        for (int attempt = 0; attempt < 1000 && path_.empty(); ++attempt)
            if (::CreateDirectoryA((prefix + std::to_string(++counter)).c_str(), nullptr))
                path_ = prefix + std::to_string(counter);
    }
    ~TempFolder() {
        if (path_.empty()) return;
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, error))
            ::SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(path_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

}  // namespace qx::test
