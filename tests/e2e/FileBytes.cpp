#include "e2e/FileBytes.h"

#include "platform/win32/UniqueHandle.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace qx::test {

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
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

namespace {

std::string WithBackslash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') {
        folder += '\\';
    }
    return folder;
}

// Calls visit(name, attributes) for every entry of the folder except "." and "..".
template <typename Visit>
void ForEachEntry(const std::string& folder, Visit visit) {
    WIN32_FIND_DATAA data{};
    UniqueFindHandle find(FindFirstFileA((WithBackslash(folder) + "*").c_str(), &data));
    if (!find) {
        return;
    }
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..") {
            visit(name, data.dwFileAttributes);
        }
    } while (FindNextFileA(find.get(), &data));
}

}  // namespace

std::vector<std::string> ListFiles(const std::string& folder) {
    std::vector<std::string> names;
    ForEachEntry(folder, [&](const std::string& name, DWORD attributes) {
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.push_back(name);
        }
    });
    return names;
}

bool DeleteTree(const std::string& folder) {
    if (!FolderExists(folder)) {
        return true;
    }
    const std::string base = WithBackslash(folder);
    bool ok = true;
    ForEachEntry(folder, [&](const std::string& name, DWORD attributes) {
        const std::string path = base + name;
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            ok = DeleteTree(path) && ok;
        } else {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            ok = DeleteFileA(path.c_str()) && ok;
        }
    });
    return RemoveDirectoryA(folder.c_str()) && ok;
}

std::string ProgramFolderOfThisExe() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of('\\') + 1);
}

}  // namespace qx::test
