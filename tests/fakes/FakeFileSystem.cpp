#include "fakes/FakeFileSystem.h"

#include <cctype>

#include "platform/FileWildcard.h"

namespace qx::test {

namespace {
const char* const kNotFound = "The system cannot find the file specified.";
}

std::string FakeFileSystem::Key(const std::string& path) {
    std::string key = path;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    while (key.size() > 3 && key.back() == '\\') key.pop_back();
    return key;
}

Status FakeFileSystem::WriteStatus(const std::string& path) const {
    if (!allWritesFail_.empty()) return Status::Fail(allWritesFail_);
    auto it = failingWrites_.find(Key(path));
    return it == failingWrites_.end() ? Status::Ok() : Status::Fail(it->second);
}

bool FakeFileSystem::FileExists(const std::string& path) const { return files_.count(Key(path)) != 0; }

std::string FakeFileSystem::ChildPrefix(const std::string& key) {
    return !key.empty() && key.back() == '\\' ? key : key + "\\";
}

std::optional<std::uint64_t> FakeFileSystem::FileSize(const std::string& path) const {
    const auto found = files_.find(Key(path));
    if (found == files_.end() || failingReads_.count(Key(path)) != 0) return std::nullopt;
    return found->second.second.size();
}

bool FakeFileSystem::FolderExists(const std::string& path) const {
    const std::string key = Key(path);
    if (key.empty()) return false;
    if (folders_.count(key)) return true;
    // A folder exists implicitly when a file lies inside it.
    const std::string prefix = ChildPrefix(key);
    auto it = files_.lower_bound(prefix);
    return it != files_.end() && it->first.compare(0, prefix.size(), prefix) == 0;
}

Status FakeFileSystem::CreateFolder(const std::string& path) {
    Status status = WriteStatus(path);
    if (status) folders_.emplace(Key(path), path);
    return status;
}

Status FakeFileSystem::ReadFile(const std::string& path, std::string& contents) const {
    const std::string key = Key(path);
    if (auto fail = failingReads_.find(key); fail != failingReads_.end()) return Status::Fail(fail->second);
    auto it = files_.find(key);
    if (it == files_.end()) return Status::Fail(kNotFound);
    contents = it->second.second;
    return Status::Ok();
}

Status FakeFileSystem::WriteFileAtomic(const std::string& path, const std::string& contents) {
    Status status = WriteStatus(path);
    if (!status) return status;
    ++writeCount_;
    Put(path, contents);
    return status;
}

Status FakeFileSystem::AppendToFile(const std::string& path, const std::string& data) {
    Status status = WriteStatus(path);
    if (!status) return status;
    auto& entry = files_[Key(path)];
    if (entry.first.empty()) entry.first = path;
    entry.second += data;
    return status;
}

Status FakeFileSystem::DeleteFile(const std::string& path) {
    return files_.erase(Key(path)) == 0 ? Status::Fail(kNotFound) : Status::Ok();
}

Status FakeFileSystem::RenameFile(const std::string& from, const std::string& to) {
    if (!FileExists(from)) return Status::Fail(kNotFound);
    Status status = WriteStatus(to);
    if (!status) return status;
    const std::string contents = Get(from);
    files_.erase(Key(from));
    Put(to, contents);
    return Status::Ok();
}

Status FakeFileSystem::CopyFileNew(const std::string& from, const std::string& to) {
    if (!FileExists(from)) return Status::Fail(kNotFound);
    if (FileExists(to)) return Status::Fail("The file exists.");
    Status status = WriteStatus(to);
    if (status) Put(to, Get(from));
    return status;
}

std::vector<std::string> FakeFileSystem::ListFiles(const std::string& folder) const {
    std::vector<std::string> names;
    const std::string prefix = ChildPrefix(Key(folder));
    for (auto it = files_.lower_bound(prefix); it != files_.end(); ++it) {
        if (it->first.compare(0, prefix.size(), prefix) != 0) break;
        const std::string rest = it->first.substr(prefix.size());
        if (rest.find('\\') != std::string::npos) continue;
        names.push_back(it->second.first.substr(it->second.first.size() - rest.size()));
    }
    return names;
}

std::vector<FoundItem> FakeFileSystem::FindItems(const std::string& folder, const std::string& pattern) const {
    std::vector<FoundItem> found;
    if (folder.empty() || failingReads_.count(Key(folder)) || !FolderExists(folder)) return found;
    const std::string prefix = ChildPrefix(Key(folder));
    std::set<std::string> seen;
    auto consider = [&](const std::string& key, const std::string& path) {
        if (key.compare(0, prefix.size(), prefix) != 0 || key.size() == prefix.size()) return;
        const std::size_t cut = key.find('\\', prefix.size());
        const std::string childKey = key.substr(0, cut);
        if (!seen.insert(childKey).second) return;
        std::string name = path.substr(prefix.size(), childKey.size() - prefix.size());
        const bool isFolder = cut != std::string::npos || folders_.count(childKey) != 0;
        if (MatchesFileWildcard(pattern, name)) found.push_back({std::move(name), isFolder});
    };
    for (const auto& [key, path] : folders_) consider(key, path);
    for (const auto& [key, file] : files_) consider(key, file.first);
    return found;
}

Status FakeFileSystem::CreateNewFolder(const std::string& path) {
    if (FileExists(path) || FolderExists(path)) return Status::Fail("The folder exists.");
    return CreateFolder(path);
}

Status FakeFileSystem::CreateNewFile(const std::string& path) {
    if (FileExists(path) || FolderExists(path)) return Status::Fail("The file exists.");
    Status status = WriteStatus(path);
    if (status) Put(path, "");
    return status;
}

void FakeFileSystem::Put(const std::string& path, const std::string& contents) { files_[Key(path)] = {path, contents}; }

std::string FakeFileSystem::Get(const std::string& path) const {
    auto it = files_.find(Key(path));
    return it == files_.end() ? std::string() : it->second.second;
}

void FakeFileSystem::FailWrites(const std::string& path, std::string message) {
    failingWrites_[Key(path)] = std::move(message);
}
void FakeFileSystem::FailReads(const std::string& path, std::string message) {
    failingReads_[Key(path)] = std::move(message);
}
void FakeFileSystem::FailAllWrites(std::string message) { allWritesFail_ = std::move(message); }

}  // namespace qx::test
