// The settings reader on arbitrary bytes: it must not crash, and whatever it reads must
// survive a write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "store/ListFile.h"
#include "store/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines;
    qx::SplitLines(std::string_view(reinterpret_cast<const char*>(data), size), lines);

    const qx::StoredSettings first = qx::ReadSettingsFrom(lines);
    const std::vector<std::string> written = qx::FormatSettings(first.settings);
    if (written.size() != static_cast<std::size_t>(qx::kSettingsKeyCount)) std::abort();

    // Through the file form as well: what is written must split back into the same lines.
    std::vector<std::string> reread;
    qx::SplitLines(qx::JoinLines(written), reread);
    const qx::StoredSettings second = qx::ReadSettingsFrom(reread);
    if (second.version != qx::kSettingsVersion) std::abort();
    if (!(second.settings == first.settings)) std::abort();
    if (qx::FormatSettings(second.settings) != written) std::abort();
    return 0;
}
