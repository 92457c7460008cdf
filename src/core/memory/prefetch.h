#pragma once

#if defined(_MSC_VER) && (defined(_M_X64) || defined(_M_IX86))
#include <xmmintrin.h>
#endif

namespace vdbq {

// Asks for the cache line at `at` to be read from memory ahead of its use, so that a loop over
// addresses that lie all over memory overlaps its waits. A hint only: it never faults, and
// compilers that offer none make it nothing.
inline void Prefetch([[maybe_unused]] const void* at) {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(at);
#elif defined(_MSC_VER) && (defined(_M_X64) || defined(_M_IX86))
  _mm_prefetch(static_cast<const char*>(at), _MM_HINT_T0);
#endif
}

// The same for a line that is about to be written.
inline void PrefetchForWrite([[maybe_unused]] const void* at) {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(at, 1);
#elif defined(_MSC_VER) && (defined(_M_X64) || defined(_M_IX86))
  _mm_prefetch(static_cast<const char*>(at), _MM_HINT_T0);
#endif
}

}  // namespace vdbq
