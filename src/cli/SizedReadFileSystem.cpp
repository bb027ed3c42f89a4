#include "cli/SizedReadFileSystem.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace qx {
namespace {

std::string NativePath(std::string path) {
    if (std::filesystem::path::preferred_separator != '\\') {
        for (char& c : path)
            if (c == '\\') c = '/';
    }
    return path;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

Status SizedReadFileSystem::ReadFile(const std::string& path, std::string& contents) const {
    const std::string native = NativePath(path);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(native, error);
    // Not a plain file, or one whose size the system cannot tell: the general reader decides.
    if (error) return StdFileSystem::ReadFile(path, contents);
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(native.c_str(), "rb"));
    if (!file) return Status::Fail(std::strerror(errno));
    std::string data;
    data.resize(static_cast<std::size_t>(size));
    const std::size_t read = std::fread(data.data(), 1, data.size(), file.get());
    if (read != data.size() && std::ferror(file.get())) return Status::Fail(std::strerror(errno));
    data.resize(read);  // the file shrank meanwhile
    // It grew meanwhile: take the rest too, as the general reader would.
    char more[4096];
    for (std::size_t n; (n = std::fread(more, 1, sizeof more, file.get())) > 0;) data.append(more, n);
    if (std::ferror(file.get())) return Status::Fail(std::strerror(errno));
    contents = std::move(data);
    return Status::Ok();
}

}  // namespace qx
