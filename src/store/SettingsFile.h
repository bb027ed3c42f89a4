#pragma once
#include <string>

#include "platform/FileSystem.h"
#include "platform/Status.h"
#include "store/Settings.h"

namespace qx {

// "config.cfg" on disk: read once at start-up, rewritten whole on every change.
class SettingsFile {
public:
    SettingsFile(IFileSystem& files, std::string path);

    // A missing file gives the defaults silently. An unreadable one gives the defaults, blocks
    // overwriting (below) and returns the system's message.
    Status Load(StoredSettings& stored);
    // Writes the 26 lines atomically; a failure leaves the old file and returns the system's
    // message. Called for a change the user made, so it also lifts the block.
    Status Save(const Settings& settings);

    // True after a failed read until the next Save: the file may hold settings that a transient
    // error hid from us, so saves that no user change asked for (the first-run stamp at
    // start-up) must be skipped rather than replace it with defaults.
    bool overwriteBlocked() const { return overwriteBlocked_; }
    const std::string& path() const { return path_; }

private:
    IFileSystem& files_;
    std::string path_;
    bool overwriteBlocked_ = false;
};

}  // namespace qx
