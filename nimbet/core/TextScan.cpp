// The scans use SSE2 on x86-64 (every such processor has it) and a byte loop
// elsewhere. The length scan reads whole aligned 16-byte blocks, which never
// cross into another page, so it cannot fault beyond the string.
#include "TextScan.h"

#include <cstdint>
#include <cstring>

// The address sanitizer counts a read of a whole block past the NUL as an
// overflow: sanitized builds measure the length with the library.
#if defined(__SANITIZE_ADDRESS__)
#define NIMBET_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define NIMBET_SANITIZED 1
#endif
#endif

namespace nimbet {

#if defined(__SSE2__) && !defined(NIMBET_SANITIZED)

size_t TextLength(const char* text) noexcept {
    const auto address = reinterpret_cast<std::uintptr_t>(text);
    const auto* block = reinterpret_cast<const __m128i*>(address & ~static_cast<std::uintptr_t>(15));
    const int skip = static_cast<int>(address & 15);
    const __m128i zero = _mm_setzero_si128();
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_load_si128(block), zero)));
    mask >>= skip; // bytes before the string's start
    if (mask)
        return static_cast<size_t>(__builtin_ctz(mask));
    size_t length = 16 - static_cast<size_t>(skip);
    for (++block;; ++block, length += 16) {
        mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_load_si128(block), zero)));
        if (mask)
            return length + static_cast<size_t>(__builtin_ctz(mask));
    }
}

#else

size_t TextLength(const char* text) noexcept {
    return std::strlen(text);
}

#endif

#if defined(__SSE2__)

size_t FindBreakByte(const char* text, size_t from, size_t n) noexcept {
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    size_t i = from;
    for (; i + 16 <= n; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
        const int mask =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)));
        if (mask)
            return i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
    for (; i < n; ++i)
        if (text[i] == '\r' || text[i] == '\n')
            return i;
    return n;
}

void CopyTurningNulsIntoCr(char* to, const char* from, size_t n) noexcept {
    const __m128i zero = _mm_setzero_si128();
    const __m128i cr = _mm_set1_epi8('\r');
    size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        const __m128i nuls = _mm_cmpeq_epi8(bytes, zero);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), _mm_or_si128(bytes, _mm_and_si128(nuls, cr)));
    }
    for (; i < n; ++i)
        to[i] = from[i] ? from[i] : '\r';
}

#else

void CopyTurningNulsIntoCr(char* to, const char* from, size_t n) noexcept {
    for (size_t i = 0; i < n; ++i)
        to[i] = from[i] ? from[i] : '\r';
}

size_t FindBreakByte(const char* text, size_t from, size_t n) noexcept {
    for (size_t i = from; i < n; ++i)
        if (text[i] == '\r' || text[i] == '\n')
            return i;
    return n;
}

#endif

} // namespace nimbet
