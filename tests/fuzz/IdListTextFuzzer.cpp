// Any bytes come back unchanged from their stored text, and any text reads to bytes whose
// stored text reads the same again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "exec/IdListText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    if (qx::TextToIdList(qx::IdListToText(input)) != input) std::abort();
    const std::string read = qx::TextToIdList(input);
    if (qx::TextToIdList(qx::IdListToText(read)) != read) std::abort();
    return 0;
}
