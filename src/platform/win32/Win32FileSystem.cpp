#include "platform/win32/Win32FileSystem.h"

#include "platform/win32/Win32Api.h"

#include <algorithm>
#include <atomic>
#include <string_view>

#include "platform/win32/SystemErrorText.h"
#include "platform/win32/UniqueHandle.h"

namespace qx {
namespace {

Status LastError() { return Status::Fail(LastErrorText()); }

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string WithoutTrailingSeparators(std::string path) {
    // "C:\" and "\" name roots and keep their separator.
    while (path.size() > 1 && IsSeparator(path.back()) && !(path.size() == 3 && path[1] == ':')) path.pop_back();
    return path;
}

Status WriteAll(HANDLE file, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, data.data() + done, chunk, &written, nullptr)) return LastError();
        if (written == 0) return Status::Fail(SystemErrorText(ERROR_WRITE_FAULT));
        done += written;
    }
    return Status::Ok();
}

std::string TempNameFor(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return target + "." + std::to_string(::GetCurrentProcessId()) + "." + std::to_string(++counter) + ".tmp";
}

}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) const {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::uint64_t> Win32FileSystem::FileSize(const std::string& path) const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool Win32FileSystem::FolderExists(const std::string& path) const {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Status Win32FileSystem::CreateFolder(const std::string& path) {
    const std::string target = WithoutTrailingSeparators(path);
    if (target.empty()) return Status::Fail(SystemErrorText(ERROR_PATH_NOT_FOUND));
    if (FolderExists(target)) return Status::Ok();

    // Walk up to the deepest existing ancestor; start is where the first missing folder ends.
    std::size_t start = target.size();
    while (true) {
        const std::size_t cut = target.find_last_of("\\/", start - 1);
        if (cut == std::string::npos || cut == 0) break;
        const std::string parent = target.substr(0, cut);
        if (parent.back() == ':' || FolderExists(parent)) break;
        start = cut;
    }
    for (std::size_t end = start;; end = std::min(target.find_first_of("\\/", end + 1), target.size())) {
        const std::string folder = target.substr(0, end);
        if (!::CreateDirectoryA(folder.c_str(), nullptr)) {
            const DWORD error = ::GetLastError();
            if (error != ERROR_ALREADY_EXISTS || !FolderExists(folder)) return Status::Fail(SystemErrorText(error));
        }
        if (end == target.size()) return Status::Ok();
    }
}

Status Win32FileSystem::ReadFile(const std::string& path, std::string& contents) const {
    return ReadSmallFile(path, std::string().max_size(), contents);
}

Status Win32FileSystem::ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& contents) const {
    UniqueKernelHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return LastError();
    const Status tooLarge = Status::Fail(SystemErrorText(ERROR_FILE_TOO_LARGE));
    LARGE_INTEGER size{};
    std::string data;
    if (::GetFileSizeEx(file.get(), &size) && size.QuadPart > 0) {
        if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) return tooLarge;
        data.reserve(static_cast<std::size_t>(size.QuadPart));
    }
    // Read to the end rather than trusting the size: a log may grow while it is read.
    char buffer[64 * 1024];
    while (true) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) return LastError();
        if (read == 0) break;
        if (read > maxBytes - data.size()) return tooLarge;
        data.append(buffer, read);
    }
    contents = std::move(data);
    return Status::Ok();
}

Status Win32FileSystem::WriteFileAtomic(const std::string& path, const std::string& contents) {
    // Windows refuses to move over a read-only file but Wine does not; refuse up front on both.
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return Status::Fail(SystemErrorText(ERROR_ACCESS_DENIED));

    std::string temp;
    UniqueKernelHandle file;
    // A stale temporary from a crashed run may hold a name; take the next one.
    for (int attempt = 0; attempt < 16 && !file; ++attempt) {
        temp = TempNameFor(path);
        file.reset(::CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file && ::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (!file) return LastError();

    Status status = WriteAll(file.get(), contents);
    if (status && !::FlushFileBuffers(file.get())) status = LastError();
    file.reset();
    if (status && !::MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        status = LastError();
    if (!status) ::DeleteFileA(temp.c_str());
    return status;
}

Status Win32FileSystem::AppendToFile(const std::string& path, const std::string& data) {
    // Append access puts every write at the end, even with another writer on the file.
    UniqueKernelHandle file(::CreateFileA(path.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return LastError();
    return WriteAll(file.get(), data);
}

Status Win32FileSystem::DeleteFile(const std::string& path) {
    if (!::DeleteFileA(path.c_str())) return LastError();
    return Status::Ok();
}

Status Win32FileSystem::RenameFile(const std::string& from, const std::string& to) {
    if (!::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return LastError();
    return Status::Ok();
}

Status Win32FileSystem::CopyFileNew(const std::string& from, const std::string& to) {
    if (!::CopyFileA(from.c_str(), to.c_str(), TRUE)) return LastError();
    return Status::Ok();
}

std::vector<std::string> Win32FileSystem::ListFiles(const std::string& folder) const {
    std::vector<std::string> names;
    std::string pattern = folder;
    if (!pattern.empty() && !IsSeparator(pattern.back())) pattern += '\\';
    pattern += "*.*";
    WIN32_FIND_DATAA found;
    UniqueFindHandle search(::FindFirstFileA(pattern.c_str(), &found));
    if (!search) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
    } while (::FindNextFileA(search.get(), &found));
    return names;
}

std::vector<FoundItem> Win32FileSystem::FindItems(const std::string& folder, const std::string& pattern) const {
    std::vector<FoundItem> items;
    if (folder.empty()) return items;
    std::string search = folder;
    if (!IsSeparator(search.back()) && search.back() != ':') search += '\\';
    search += pattern;
    WIN32_FIND_DATAA found;
    UniqueFindHandle handle(::FindFirstFileA(search.c_str(), &found));
    if (!handle) return items;
    do {
        const std::string_view name = found.cFileName;
        if (name == "." || name == "..") continue;
        items.push_back({found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (::FindNextFileA(handle.get(), &found));
    return items;
}

Status Win32FileSystem::CreateNewFolder(const std::string& path) {
    if (!::CreateDirectoryA(path.c_str(), nullptr)) return LastError();
    return Status::Ok();
}

Status Win32FileSystem::CreateNewFile(const std::string& path) {
    UniqueKernelHandle file(::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return LastError();
    return Status::Ok();
}

}  // namespace qx
