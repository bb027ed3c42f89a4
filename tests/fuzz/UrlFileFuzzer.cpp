// Reads arbitrary bytes as an Internet shortcut: nothing crashes, and an address is reported
// only when it is not empty and stands in the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exec/InternetShortcut.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto link = qx::ParseInternetShortcut(text);
    if (link && (link->url.empty() || text.find(link->url) == std::string_view::npos)) std::abort();
    return 0;
}
