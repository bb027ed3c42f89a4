#include "search/FastFind.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#define QX_FIND_SSE2 1
#endif

namespace qx {

#if QX_FIND_SSE2

// Compares the needle's first and last byte against 16 candidate starts at once and checks
// the middle only where both agree; two rare-ish bytes at a fixed distance reject almost
// every position without a byte-by-byte loop.
std::size_t FindPadded(const char* data, std::size_t from, std::size_t end, std::string_view needle) {
    const std::size_t length = needle.size();
    if (length == 0 || from > end || end - from < length) return std::string_view::npos;
    const std::size_t lastStart = end - length;
    const __m128i first = _mm_set1_epi8(needle.front());
    const __m128i last = _mm_set1_epi8(needle.back());
    const char* middle = needle.data() + 1;
    const std::size_t middleLength = length > 2 ? length - 2 : 0;
    for (std::size_t block = from; block <= lastStart; block += 16) {
        const __m128i starts = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + block));
        const __m128i ends = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + block + length - 1));
        unsigned mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(starts, first), _mm_cmpeq_epi8(ends, last))));
        while (mask != 0) {
            const std::size_t at = block + static_cast<std::size_t>(__builtin_ctz(mask));
            if (at > lastStart) return std::string_view::npos;
            if (middleLength == 0 || std::memcmp(data + at + 1, middle, middleLength) == 0) return at;
            mask &= mask - 1;
        }
    }
    return std::string_view::npos;
}

#else

std::size_t FindPadded(const char* data, std::size_t from, std::size_t end, std::string_view needle) {
    if (needle.empty() || from > end) return std::string_view::npos;
    const std::size_t at = std::string_view(data + from, end - from).find(needle);
    return at == std::string_view::npos ? at : from + at;
}

#endif

}  // namespace qx
