#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace vdbq {

// The line breaks of a text found 64 bytes at a time, for the loader's split of each extract
// into lines: one vector compare per 16 bytes instead of a test per byte.
inline constexpr size_t kLineBreakBlock = 64;

// Which of the 64 bytes from p are LF and which CR, a bit each (bit k for byte k).
struct LineBreakBits {
  uint64_t Lf = 0;
  uint64_t Cr = 0;
};

inline LineBreakBits LineBreaksIn(const char* p) {
  LineBreakBits masks;
#if defined(__SSE2__) || defined(_M_X64)
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i cr = _mm_set1_epi8('\r');
  for (int k = 0; k < 4; ++k) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
    const auto shift = 16 * k;
    masks.Lf |= uint64_t{static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lf)))}
                << shift;
    masks.Cr |= uint64_t{static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, cr)))}
                << shift;
  }
#else
  for (size_t k = 0; k < kLineBreakBlock; ++k) {
    masks.Lf |= uint64_t{p[k] == '\n'} << k;
    masks.Cr |= uint64_t{p[k] == '\r'} << k;
  }
#endif
  return masks;
}

}  // namespace vdbq
