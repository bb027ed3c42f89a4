#pragma once
#include "platform/win32/Win32Api.h"

#include <filesystem>
#include <string>

namespace qx::test {

// A fresh folder under the system temp folder, removed with everything in it (read-only
// files included) when the test ends.
class TempFolder {
public:
    TempFolder() {
        char base[MAX_PATH + 1] = {};
        ::GetTempPathA(sizeof base, base);
        static unsigned counter = 0;
        path_ = std::string(base) + "qx-win32-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
                std::to_string(++counter);
        ::CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder() {
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
