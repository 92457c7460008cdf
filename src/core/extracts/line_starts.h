#pragma once

#include <cstddef>

namespace vdbq {

// FindLineStarts (line_list.h) in two passes, for a loader that splits the pieces of a large
// file at once: first how many line starts a piece holds, then the starts written from `out`
// on (returns the end of what was written).
size_t CountLineStarts(const char* text, size_t size, size_t from, size_t to);
size_t* WriteLineStarts(const char* text, size_t size, size_t from, size_t to, size_t* out);

}  // namespace vdbq
