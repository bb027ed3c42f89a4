#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace qx::test {

// In-memory file system. Paths compare case-insensitively, as on Windows. Faults are
// injected per path: a failing write leaves the old contents, as the real atomic writer does.
class FakeFileSystem : public IFileSystem {
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
    // Files, folders made by CreateFolder, and folders implied by the files below them.
    std::vector<FoundItem> FindItems(const std::string& folder, const std::string& pattern) const override;
    Status CreateNewFolder(const std::string& path) override;
    Status CreateNewFile(const std::string& path) override;

    // Test set-up and inspection.
    void Put(const std::string& path, const std::string& contents);
    std::string Get(const std::string& path) const;  // empty when missing
    void FailWrites(const std::string& path, std::string message = "There is not enough space on the disk.");
    void FailReads(const std::string& path, std::string message = "Access is denied.");
    void FailAllWrites(std::string message = "There is not enough space on the disk.");
    int writeCount() const { return writeCount_; }

private:
    static std::string Key(const std::string& path);
    static std::string ChildPrefix(const std::string& key);  // key with one trailing '\'
    Status WriteStatus(const std::string& path) const;  // the injected fault of a write, if any

    std::map<std::string, std::pair<std::string, std::string>> files_;  // key -> (path, contents)
    std::map<std::string, std::string> folders_;  // key -> path as created
    std::map<std::string, std::string> failingWrites_;
    std::map<std::string, std::string> failingReads_;
    std::string allWritesFail_;
    int writeCount_ = 0;
};

}  // namespace qx::test
