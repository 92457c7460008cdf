#pragma once

#include <cstdint>
#include <cstring>

namespace vdbq {

// The 8 (or 4) bytes at `at`, however aligned, as one word in the machine's byte order: the
// copy compiles to a single load.
inline uint64_t Load64(const char* at) {
  uint64_t word;
  std::memcpy(&word, at, 8);
  return word;
}

inline uint32_t Load32(const char* at) {
  uint32_t word;
  std::memcpy(&word, at, 4);
  return word;
}

}  // namespace vdbq
