#pragma once
#include "platform/win32/Win32Api.h"

#include <string>

#include "platform/win32/UniqueHandle.h"

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
    ~TempFolder() { RemoveTree(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    static void RemoveTree(const std::string& folder) {
        WIN32_FIND_DATAA found;
        UniqueFindHandle search(::FindFirstFileA((folder + "\\*").c_str(), &found));
        if (search) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                const std::string child = folder + "\\" + name;
                ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(child);
                else
                    ::DeleteFileA(child.c_str());
            } while (::FindNextFileA(search.get(), &found));
            search.reset();
        }
        ::RemoveDirectoryA(folder.c_str());
    }

    std::string path_;
};

}  // namespace qx::test
