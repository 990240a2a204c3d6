// Fast scans over incoming text: its length, and where its next line break
// begins. Loading a big text is mostly these two walks, so they look at
// sixteen bytes at a time where the processor allows it.
#pragma once

#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace nimbet {

// Bytes before the NUL (strlen).
size_t TextLength(const char* text) noexcept;

// Index of the first CR or LF in text[from, n), or n when there is none.
size_t FindBreakByte(const char* text, size_t from, size_t n) noexcept;

// Copies n bytes and writes a CR for every NUL among them.
void CopyTurningNulsIntoCr(char* to, const char* from, size_t n) noexcept;

// Copies n bytes from `from` to `to` and calls onBreak(at, width) for every
// line break of the copy in order: at = where it begins, width = 2 for CR LF,
// else 1. onBreak runs once the bytes before `at` are copied, and may stop
// the walk by returning false (the rest is then not copied).
template <typename OnBreak> void CopyFindingBreaks(char* to, const char* from, size_t n, OnBreak&& onBreak) {
    size_t skipTo = 0; // the LF of a CR LF already reported
    auto report = [&](size_t at) {
        if (at < skipTo)
            return true;
        const int width = from[at] == '\r' && at + 1 < n && from[at + 1] == '\n' ? 2 : 1;
        skipTo = at + static_cast<size_t>(width);
        return onBreak(at, width);
    };
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= n; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), bytes);
        auto mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf))));
        for (; mask; mask &= mask - 1)
            if (!report(i + static_cast<size_t>(__builtin_ctz(mask))))
                return;
    }
#endif
    std::memcpy(to + i, from + i, n - i);
    for (; i < n; ++i)
        if ((from[i] == '\r' || from[i] == '\n') && !report(i))
            return;
}

} // namespace nimbet
