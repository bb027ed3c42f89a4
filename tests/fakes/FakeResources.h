#pragma once
#include <map>
#include <optional>
#include <string>

#include "platform/Resources.h"

namespace qx::test {

// Bitmap resources by id, as the program's module would hold them (DIB bytes).
class FakeResources : public IResources {
public:
    std::optional<std::string> BitmapResource(int id) const override {
        const auto found = bitmaps.find(id);
        return found == bitmaps.end() ? std::nullopt : std::optional(found->second);
    }
    std::map<int, std::string> bitmaps;
};

}  // namespace qx::test
