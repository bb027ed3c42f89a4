#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Status.h"

namespace qx {

// One name found by a wildcard search of a folder.
struct FoundItem {
    std::string name;
    bool isFolder = false;
};

// Files and folders. Paths are ANSI Windows paths with backslashes.
class IFileSystem {
public:
    virtual ~IFileSystem() = default;

    virtual bool FileExists(const std::string& path) const = 0;
    virtual bool FolderExists(const std::string& path) const = 0;
    // The size of a file in bytes; none when it is no file or its entry cannot be read.
    virtual std::optional<std::uint64_t> FileSize(const std::string& path) const = 0;
    // Creates the folder and any missing parents; succeeds when it already exists.
    virtual Status CreateFolder(const std::string& path) = 0;

    // Reads the whole file as bytes.
    virtual Status ReadFile(const std::string& path, std::string& contents) const = 0;
    // Reads the file only when it holds at most maxBytes; a larger one fails unread, so a
    // huge file met where a small one is expected costs no memory.
    virtual Status ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& contents) const {
        std::string data;
        Status status = ReadFile(path, data);
        if (status && data.size() > maxBytes) status = Status::Fail("The file is too large.");
        if (status) contents = std::move(data);
        return status;
    }
    // Replaces the file's contents as one step: a temporary file in the same folder is
    // written, flushed and moved over the target, so on any failure the old file is untouched.
    virtual Status WriteFileAtomic(const std::string& path, const std::string& contents) = 0;
    // Appends to the file, creating it when missing; opened and closed on every call.
    virtual Status AppendToFile(const std::string& path, const std::string& data) = 0;
    virtual Status DeleteFile(const std::string& path) = 0;
    // Copies without overwriting: fails when the target exists.
    virtual Status CopyFileNew(const std::string& from, const std::string& to) = 0;
    // Gives a file a new name, replacing a file of that name.
    virtual Status RenameFile(const std::string& from, const std::string& to) = 0;
    // Names (not paths) of the plain files directly inside the folder.
    virtual std::vector<std::string> ListFiles(const std::string& folder) const = 0;
    // The names in the folder matching the wildcard pattern ("*win*"), "." and ".." left out,
    // as the file system's own wildcard search gives them (case-insensitive); empty when the
    // folder does not exist or cannot be read.
    virtual std::vector<FoundItem> FindItems(const std::string& folder, const std::string& pattern) const = 0;
    // Creates one folder; fails when anything of that name exists or the parent is missing.
    virtual Status CreateNewFolder(const std::string& path) = 0;
    // Creates an empty file; fails when anything of that name exists.
    virtual Status CreateNewFile(const std::string& path) = 0;
};

}  // namespace qx
