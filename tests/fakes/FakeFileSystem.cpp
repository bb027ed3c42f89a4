#include "fakes/FakeFileSystem.h"

#include <cctype>

namespace qx::test {

std::string FakeFileSystem::Key(const std::string& path) {
    std::string key = path;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    while (key.size() > 3 && key.back() == '\\') key.pop_back();
    return key;
}

bool FakeFileSystem::WriteFails(const std::string& key, std::string& message) const {
    if (!allWritesFail_.empty()) {
        message = allWritesFail_;
        return true;
    }
    auto it = failingWrites_.find(key);
    if (it == failingWrites_.end()) return false;
    message = it->second;
    return true;
}

bool FakeFileSystem::FileExists(const std::string& path) const { return files_.count(Key(path)) != 0; }

bool FakeFileSystem::FolderExists(const std::string& path) const {
    const std::string key = Key(path);
    if (folders_.count(key)) return true;
    // A folder exists implicitly when a file lies inside it.
    const std::string prefix = key + "\\";
    auto it = files_.lower_bound(prefix);
    return it != files_.end() && it->first.compare(0, prefix.size(), prefix) == 0;
}

Status FakeFileSystem::CreateFolder(const std::string& path) {
    std::string message;
    if (WriteFails(Key(path), message)) return Status::Fail(message);
    folders_.insert(Key(path));
    return Status::Ok();
}

Status FakeFileSystem::ReadFile(const std::string& path, std::string& contents) const {
    const std::string key = Key(path);
    if (auto fail = failingReads_.find(key); fail != failingReads_.end()) return Status::Fail(fail->second);
    auto it = files_.find(key);
    if (it == files_.end()) return Status::Fail("The system cannot find the file specified.");
    contents = it->second.second;
    return Status::Ok();
}

Status FakeFileSystem::WriteFileAtomic(const std::string& path, const std::string& contents) {
    std::string message;
    if (WriteFails(Key(path), message)) return Status::Fail(message);
    ++writeCount_;
    files_[Key(path)] = {path, contents};
    return Status::Ok();
}

Status FakeFileSystem::AppendToFile(const std::string& path, const std::string& data) {
    std::string message;
    if (WriteFails(Key(path), message)) return Status::Fail(message);
    auto& entry = files_[Key(path)];
    if (entry.first.empty()) entry.first = path;
    entry.second += data;
    return Status::Ok();
}

Status FakeFileSystem::DeleteFile(const std::string& path) {
    if (files_.erase(Key(path)) == 0) return Status::Fail("The system cannot find the file specified.");
    return Status::Ok();
}

Status FakeFileSystem::CopyFileNew(const std::string& from, const std::string& to) {
    auto source = files_.find(Key(from));
    if (source == files_.end()) return Status::Fail("The system cannot find the file specified.");
    if (FileExists(to)) return Status::Fail("The file exists.");
    std::string message;
    if (WriteFails(Key(to), message)) return Status::Fail(message);
    files_[Key(to)] = {to, source->second.second};
    return Status::Ok();
}

std::vector<std::string> FakeFileSystem::ListFiles(const std::string& folder) const {
    std::vector<std::string> names;
    const std::string prefix = Key(folder) + "\\";
    for (auto it = files_.lower_bound(prefix); it != files_.end(); ++it) {
        if (it->first.compare(0, prefix.size(), prefix) != 0) break;
        const std::string rest = it->first.substr(prefix.size());
        if (rest.find('\\') != std::string::npos) continue;
        names.push_back(it->second.first.substr(it->second.first.size() - rest.size()));
    }
    return names;
}

void FakeFileSystem::Put(const std::string& path, const std::string& contents) { files_[Key(path)] = {path, contents}; }

std::string FakeFileSystem::Get(const std::string& path) const {
    auto it = files_.find(Key(path));
    return it == files_.end() ? std::string() : it->second.second;
}

void FakeFileSystem::FailWrites(const std::string& path, std::string message) { failingWrites_[Key(path)] = std::move(message); }
void FakeFileSystem::FailReads(const std::string& path, std::string message) { failingReads_[Key(path)] = std::move(message); }
void FakeFileSystem::FailAllWrites(std::string message) { allWritesFail_ = std::move(message); }

}  // namespace qx::test
