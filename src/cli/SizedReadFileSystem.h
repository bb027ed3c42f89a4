#pragma once
#include "platform/StdFileSystem.h"

namespace qx {

// StdFileSystem that reads a file with one allocation of its size and one read call: a
// large Files.txt read a character at a time into a growing string costs more than the
// whole search that follows.
class SizedReadFileSystem : public StdFileSystem {
public:
    Status ReadFile(const std::string& path, std::string& contents) const override;
};

}  // namespace qx
