#pragma once

#include <cstddef>
#include <cstdint>

namespace vdbq {

// FindLineStarts (line_list.h) in two passes, for a loader that splits the pieces of a large
// file at once: first how many line starts a piece holds, then the starts written from `out`
// on (returns the end of what was written).
size_t CountLineStarts(const char* text, size_t size, size_t from, size_t to);
size_t* WriteLineStarts(const char* text, size_t size, size_t from, size_t to, size_t* out);
// The same as 32-bit offsets, for a text shorter than 4 GiB.
uint32_t* WriteLineStarts(const char* text, size_t size, size_t from, size_t to, uint32_t* out);

}  // namespace vdbq
