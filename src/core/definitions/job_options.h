#pragma once

#include <cstring>
#include <string_view>

#include "core/text/text_routines.h"

namespace vdbq {

namespace job_options {

// Whether word stands in text at `at`; a compare of known length, which needs no call.
template <size_t N>
bool WordAt(std::string_view text, size_t at, const char (&word)[N]) {
  return text.size() - at >= N - 1 && std::memcmp(text.data() + at, word, N - 1) == 0;
}

}  // namespace job_options

// A job line or a line of a job's clause without its trailing CONFIRMED or PRIORITY clause,
// cut as SplitJobOptions cuts it but as a view into the text, for the readers that do not keep
// the clauses: the first CONFIRMED, else the first PRIORITY, counts when a blank or a TAB
// stands before it; a word at the very start is no clause. Inline: readers call it per line.
inline std::string_view WithoutJobOptions(std::string_view text) {
  using job_options::WordAt;
  // Either clause counts only after a blank or a TAB; most job lines hold neither.
  if (FindByteOf(text, 0, ' ', '\t') == std::string_view::npos) return text;
  auto separatorBefore = [text](size_t at) { return text[at - 1] == ' ' || text[at - 1] == '\t'; };
  const bool confirmedAtStart = StartsWith(text, "CONFIRMED");
  size_t priority = StartsWith(text, "PRIORITY") ? 0 : std::string_view::npos;
  // Both words are looked for in one pass over the places of their first letters.
  for (size_t at = FindByteOf(text, 1, 'C', 'P'); at != std::string_view::npos;
       at = FindByteOf(text, at + 1, 'C', 'P')) {
    if (text[at] == 'C' && !confirmedAtStart && WordAt(text, at, "CONFIRMED")) {
      return separatorBefore(at) ? TrimBlanksView(text.substr(0, at)) : text;
    }
    if (text[at] == 'P' && priority == std::string_view::npos && WordAt(text, at, "PRIORITY")) {
      priority = at;
    }
  }
  if (priority != std::string_view::npos && priority >= 1 && separatorBefore(priority)) {
    return TrimBlanksView(text.substr(0, priority));
  }
  return text;
}

}  // namespace vdbq
