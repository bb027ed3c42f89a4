#include "platform/StdFileSystem.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <cstdio>
#include <fstream>

#include "platform/FileWildcard.h"

namespace qx {

namespace fs = std::filesystem;

namespace {

fs::path NativePath(const std::string& path) {
    if (fs::path::preferred_separator == '\\') return fs::path(path);
    std::string converted = path;
    for (char& c : converted)
        if (c == '\\') c = '/';
    return fs::path(converted);
}

Status FromErrorCode(const std::error_code& error) {
    return error ? Status::Fail(error.message()) : Status::Ok();
}

Status FromErrno() { return Status::Fail(std::strerror(errno)); }

}  // namespace

bool StdFileSystem::FileExists(const std::string& path) const {
    std::error_code error;
    return fs::is_regular_file(NativePath(path), error);
}

std::optional<std::uint64_t> StdFileSystem::FileSize(const std::string& path) const {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(NativePath(path), error);
    if (error) return std::nullopt;
    return static_cast<std::uint64_t>(size);
}

bool StdFileSystem::FolderExists(const std::string& path) const {
    std::error_code error;
    return fs::is_directory(NativePath(path), error);
}

Status StdFileSystem::CreateFolder(const std::string& path) {
    std::error_code error;
    fs::create_directories(NativePath(path), error);
    return FromErrorCode(error);
}

Status StdFileSystem::ReadFile(const std::string& path, std::string& contents) const {
    std::ifstream in(NativePath(path), std::ios::binary | std::ios::ate);
    if (!in) return FromErrno();
    // One allocation of the file's size and one read; a large Files.txt is read whole.
    const std::streamoff size = in.tellg();
    std::string data;
    if (size > 0) {
        data.resize(static_cast<std::size_t>(size));
        in.seekg(0);
        in.read(data.data(), size);
        data.resize(static_cast<std::size_t>(in.gcount()));  // the file shrank meanwhile
        in.clear(in.rdstate() & ~(std::ios::eofbit | std::ios::failbit));
    }
    // It grew meanwhile, or its size could not be told: take the rest too.
    char more[4096];
    while (in.read(more, sizeof more) || in.gcount() > 0) data.append(more, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return FromErrno();
    contents = std::move(data);
    return Status::Ok();
}

Status StdFileSystem::WriteFileAtomic(const std::string& path, const std::string& contents) {
    static std::atomic<unsigned> counter{0};
    const fs::path target = NativePath(path);
    fs::path temp = target;
    // Appended piece by piece: GCC 12 warns (-Wrestrict) on the concatenated temporary.
    temp += '.';
    temp += std::to_string(++counter);
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return FromErrno();
        out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        out.flush();
        if (!out) {
            const Status failed = FromErrno();
            std::error_code ignored;
            fs::remove(temp, ignored);
            return failed;
        }
    }
    std::error_code error;
    fs::rename(temp, target, error);
    if (error) fs::remove(temp, error);
    return FromErrorCode(error);
}

Status StdFileSystem::AppendToFile(const std::string& path, const std::string& data) {
    std::ofstream out(NativePath(path), std::ios::binary | std::ios::app);
    if (!out) return FromErrno();
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    return out ? Status::Ok() : FromErrno();
}

Status StdFileSystem::DeleteFile(const std::string& path) {
    std::error_code error;
    if (!fs::remove(NativePath(path), error) && !error) return Status::Fail("The file does not exist.");
    return FromErrorCode(error);
}

Status StdFileSystem::RenameFile(const std::string& from, const std::string& to) {
    std::error_code error;
    fs::rename(NativePath(from), NativePath(to), error);
    return FromErrorCode(error);
}

Status StdFileSystem::CopyFileNew(const std::string& from, const std::string& to) {
    std::error_code error;
    fs::copy_file(NativePath(from), NativePath(to), fs::copy_options::none, error);
    return FromErrorCode(error);
}

std::vector<std::string> StdFileSystem::ListFiles(const std::string& folder) const {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(NativePath(folder), error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file(error)) names.push_back(it->path().filename().string());
    return names;
}

std::vector<FoundItem> StdFileSystem::FindItems(const std::string& folder, const std::string& pattern) const {
    std::vector<FoundItem> found;
    if (folder.empty()) return found;
    std::error_code error;
    for (fs::directory_iterator it(NativePath(folder), error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (!MatchesFileWildcard(pattern, name)) continue;
        std::error_code ignored;
        found.push_back({std::move(name), it->is_directory(ignored)});
    }
    return found;
}

Status StdFileSystem::CreateNewFolder(const std::string& path) {
    std::error_code error;
    if (!fs::create_directory(NativePath(path), error) && !error) return Status::Fail("The folder exists.");
    return FromErrorCode(error);
}

Status StdFileSystem::CreateNewFile(const std::string& path) {
    // "x": exclusive creation, so an existing file is never truncated.
    std::FILE* file = std::fopen(NativePath(path).string().c_str(), "wbx");
    if (file == nullptr) return FromErrno();
    std::fclose(file);
    return Status::Ok();
}

}  // namespace qx
