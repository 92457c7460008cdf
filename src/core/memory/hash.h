#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/memory/word_load.h"

namespace vdbq {

// A 64-bit hash of a text for the open-addressing tables: every bit of the text reaches every
// bit of the hash, the low bits picking a slot and the high ones serving as its tag. Reads whole
// words only, the last overlapping the one before, so that no copy of a few bytes needs a call.
inline uint64_t HashBytes(std::string_view text) {
  const char* data = text.data();
  const size_t size = text.size();
  uint64_t hash = 0x9E3779B97F4A7C15ULL ^ size;
  if (size >= 8) {
    for (size_t at = 0; at + 8 < size; at += 8) {
      hash = (hash ^ Load64(data + at)) * 0xBF58476D1CE4E5B9ULL;
      hash ^= hash >> 31;
    }
    hash ^= Load64(data + size - 8);
  } else if (size >= 4) {
    hash ^= (uint64_t{Load32(data)} << 32) | Load32(data + size - 4);
  } else if (size > 0) {
    hash ^= (uint64_t{static_cast<unsigned char>(data[0])} << 16) |
            (uint64_t{static_cast<unsigned char>(data[size / 2])} << 8) |
            static_cast<unsigned char>(data[size - 1]);
  }
  hash = (hash ^ (hash >> 33)) * 0xFF51AFD7ED558CCDULL;
  hash = (hash ^ (hash >> 33)) * 0xC4CEB9FE1A85EC53ULL;
  return hash ^ (hash >> 33);
}

// The same for a key that is a number.
inline uint64_t HashWord(uint64_t key) {
  uint64_t hash = key * 0x9E3779B97F4A7C15ULL;
  hash ^= hash >> 29;
  return hash * 0xBF58476D1CE4E5B9ULL;
}

}  // namespace vdbq
