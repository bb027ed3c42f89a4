#include "search/SearchFold.h"

namespace qx {

void SearchFoldInto(std::string_view text, char* out) {
    for (std::size_t i = 0; i < text.size(); ++i) out[i] = SearchFoldByte(text[i]);
}

std::string SearchFold(std::string_view text) {
    std::string folded(text.size(), '\0');
    SearchFoldInto(text, folded.data());
    return folded;
}

}  // namespace qx
