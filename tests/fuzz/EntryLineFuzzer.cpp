// Any bytes must parse, and formatting what was parsed must read back the same entry.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "store/EntryLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto first = qx::ParseEntryLine(line);
    const auto again = qx::ParseEntryLine(qx::FormatEntryLine(*first));
    if (!again->SameColumns(*first)) std::abort();
    return 0;
}
