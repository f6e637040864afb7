#include "generator/CrLf.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace merix {

std::size_t copyWithCrLfByRuns(std::string_view text, char* out) {
    char* const start = out;
    const char* in = text.data();
    const char* const end = in + text.size();
    while (in != end) {
        const auto* lf =
            static_cast<const char*>(std::memchr(in, '\n', static_cast<std::size_t>(end - in)));
        out = std::copy(in, lf ? lf : end, out);
        if (!lf)
            break;
        *out++ = '\r';
        *out++ = '\n';
        in = lf + 1;
    }
    return static_cast<std::size_t>(out - start);
}

#if defined(__SSE2__)

// Sixteen bytes at a time: a block without a line end is stored whole; in one with line
// ends each piece between them is one 16-byte move from a copy of the block. Command file
// lines are some thirty bytes long, too short for a call to memchr and memcpy each.
std::size_t copyWithCrLf(std::string_view text, char* out) {
    char* const start = out;
    const char* in = text.data();
    const char* const end = in + text.size();
    const __m128i lf = _mm_set1_epi8('\n');
    while (end - in >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        auto ends = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lf)));
        in += 16;
        if (ends == 0) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), block);
            out += 16;
            continue;
        }
        alignas(16) char bytes[32];
        _mm_store_si128(reinterpret_cast<__m128i*>(bytes), block);
        _mm_store_si128(reinterpret_cast<__m128i*>(bytes + 16), _mm_setzero_si128());
        unsigned from = 0;
        for (; ends != 0; ends &= ends - 1) {
            const auto at = static_cast<unsigned>(__builtin_ctz(ends));
            std::memcpy(out, bytes + from, 16);
            out += at - from;
            *out++ = '\r';
            *out++ = '\n';
            from = at + 1;
        }
        std::memcpy(out, bytes + from, 16);
        out += 16 - from;
    }
    out += copyWithCrLfByRuns(std::string_view(in, static_cast<std::size_t>(end - in)), out);
    return static_cast<std::size_t>(out - start);
}

#else

std::size_t copyWithCrLf(std::string_view text, char* out) {
    return copyWithCrLfByRuns(text, out);
}

#endif

} // namespace merix
