#pragma once
#include "platform/win32/Win32Api.h"

#include "platform/FileSystem.h"

namespace qx {

// The file system through the ANSI Win32 calls. Failures carry the system's message.
class Win32FileSystem : public IFileSystem {
public:
    bool FileExists(const std::string& path) const override;
    std::optional<std::uint64_t> FileSize(const std::string& path) const override;
    bool FolderExists(const std::string& path) const override;
    Status CreateFolder(const std::string& path) override;
    Status ReadFile(const std::string& path, std::string& contents) const override;
    Status ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& contents) const override;
    Status WriteFileAtomic(const std::string& path, const std::string& contents) override;
    Status AppendToFile(const std::string& path, const std::string& data) override;
    Status DeleteFile(const std::string& path) override;
    Status CopyFileNew(const std::string& from, const std::string& to) override;
    Status RenameFile(const std::string& from, const std::string& to) override;
    std::vector<std::string> ListFiles(const std::string& folder) const override;
    std::vector<FoundItem> FindItems(const std::string& folder, const std::string& pattern) const override;
    Status CreateNewFolder(const std::string& path) override;
    Status CreateNewFile(const std::string& path) override;
};

}  // namespace qx
