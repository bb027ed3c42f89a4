#pragma once
#include "platform/FileSystem.h"

namespace qx {

// IFileSystem on the standard library, for the command-line companion on any system.
// Backslashes in paths are taken as separators on systems that use "/".
class StdFileSystem : public IFileSystem {
public:
    bool FileExists(const std::string& path) const override;
    std::optional<std::uint64_t> FileSize(const std::string& path) const override;
    bool FolderExists(const std::string& path) const override;
    Status CreateFolder(const std::string& path) override;
    Status ReadFile(const std::string& path, std::string& contents) const override;
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

// Wraps another file system and refuses every change: what reads data must never alter it.
class ReadOnlyFileSystem : public IFileSystem {
public:
    explicit ReadOnlyFileSystem(const IFileSystem& inner) : inner_(inner) {}

    bool FileExists(const std::string& path) const override { return inner_.FileExists(path); }
    bool FolderExists(const std::string& path) const override { return inner_.FolderExists(path); }
    std::optional<std::uint64_t> FileSize(const std::string& path) const override { return inner_.FileSize(path); }
    Status CreateFolder(const std::string&) override { return Refused(); }
    Status ReadFile(const std::string& path, std::string& contents) const override {
        return inner_.ReadFile(path, contents);
    }
    Status WriteFileAtomic(const std::string&, const std::string&) override { return Refused(); }
    Status AppendToFile(const std::string&, const std::string&) override { return Refused(); }
    Status DeleteFile(const std::string&) override { return Refused(); }
    Status CopyFileNew(const std::string&, const std::string&) override { return Refused(); }
    Status RenameFile(const std::string&, const std::string&) override { return Refused(); }
    std::vector<std::string> ListFiles(const std::string& folder) const override { return inner_.ListFiles(folder); }
    std::vector<FoundItem> FindItems(const std::string& folder, const std::string& pattern) const override {
        return inner_.FindItems(folder, pattern);
    }
    Status CreateNewFolder(const std::string&) override { return Refused(); }
    Status CreateNewFile(const std::string&) override { return Refused(); }

private:
    static Status Refused() { return Status::Fail("The data folder is opened read-only."); }
    const IFileSystem& inner_;
};

}  // namespace qx
