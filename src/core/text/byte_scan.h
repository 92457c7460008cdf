#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/memory/word_load.h"

namespace vdbq {

// Scans that look at a text eight bytes at a time: for the long lists and the many short lines
// where a library call per byte found costs more than the search.

// A high bit in each of the eight bytes at `at` that is c, 0 when none is: a scan can look at
// a word at a time. No carry crosses from one byte to the next.
inline uint64_t BytesEqualTo(const char* at, char c) {
  constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
  const uint64_t x = Load64(at) ^ (0x0101010101010101ULL * static_cast<unsigned char>(c));
  return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// Where the first byte that is a or b lies in text at or after from, npos when none does. For
// short lines, where a library search costs more in its call than in its search.
inline size_t FindByteOf(std::string_view text, size_t from, char a, char b) {
  size_t at = from;
  if constexpr (std::endian::native == std::endian::little) {
    for (; at + 8 <= text.size(); at += 8) {
      const uint64_t bits = BytesEqualTo(text.data() + at, a) | BytesEqualTo(text.data() + at, b);
      if (bits != 0) return at + static_cast<size_t>(std::countr_zero(bits) / 8);
    }
  }
  for (; at < text.size(); ++at) {
    if (text[at] == a || text[at] == b) return at;
  }
  return std::string_view::npos;
}

// Calls visit(at) for every byte of text that is c, in order: a library search per byte found
// costs a call for every 20 bytes or so of a comma-separated list.
template <typename Visit>
void ForEachByte(std::string_view text, char c, Visit&& visit) {
  size_t at = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; at + 8 <= text.size(); at += 8) {
      for (uint64_t bits = BytesEqualTo(text.data() + at, c); bits != 0; bits &= bits - 1) {
        visit(at + static_cast<size_t>(std::countr_zero(bits) / 8));
      }
    }
  }
  for (; at < text.size(); ++at) {
    if (text[at] == c) visit(at);
  }
}

// How many bytes of text are c.
inline size_t CountByte(std::string_view text, char c) {
  size_t count = 0;
  size_t at = 0;
  // The high bits brought down to the low ones and summed by a multiply: std::popcount is a
  // library call on processors the build does not assume.
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  for (; at + 8 <= text.size(); at += 8) {
    count += static_cast<size_t>(((BytesEqualTo(text.data() + at, c) >> 7) * kOnes) >> 56);
  }
  for (; at < text.size(); ++at) count += text[at] == c ? 1 : 0;
  return count;
}

// Whether the size bytes at a and b are the same, compared a word at a time.
inline bool SameBytes(const char* a, const char* b, size_t size) {
  if (size < 8) {
    for (size_t at = 0; at < size; ++at) {
      if (a[at] != b[at]) return false;
    }
    return true;
  }
  for (size_t at = 0; at + 8 < size; at += 8) {
    if (Load64(a + at) != Load64(b + at)) return false;
  }
  return Load64(a + size - 8) == Load64(b + size - 8);
}

}  // namespace vdbq
