#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

#include "core/text/byte_scan.h"

// The small text routines every reader of the extracts shares. Positions are 1-based and
// clamped the same way everywhere, so call sites read like the algorithms they implement.
namespace vdbq {

// count characters from 1-based start; a start below 1 counts as 1; out-of-range gives "".
std::string Copy(std::string_view text, long long start, long long count);
// The same as a view into text.
std::string_view CopyView(std::string_view text, long long start, long long count);
// From 1-based start to the end of the text.
std::string CopyFrom(std::string_view text, long long start);
// 1-based position of the first occurrence of pattern, 0 when absent or either text is empty.
long long Find(std::string_view pattern, std::string_view text);
// Removes characters under the same clamping as Copy.
std::string Delete(std::string_view text, long long start, long long count);
// Upper-cases only "a" to "z"; every other byte stays as it is.
std::string UpperCase(std::string_view text);

// Fixed-column prefix test: the first characters of text are exactly prefix.
inline bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// Where pattern first occurs in text at or after from (npos when it does not), in time
// linear in both whatever they hold: a plain search may compare most of a long pattern at
// every place of a text made of its repeats.
size_t FindText(std::string_view text, std::string_view pattern, size_t from = 0);

// Calls visit(at) for every place where pattern occurs in text, overlapping ones included, in
// one pass over the text.
void ForEachOccurrence(std::string_view text, std::string_view pattern,
                       const std::function<void(size_t)>& visit);

inline bool Contains(std::string_view text, std::string_view pattern) {
  return !pattern.empty() && FindText(text, pattern) != std::string_view::npos;
}

// Drops trailing blanks, then leading blanks, then leading TABs - in that order, so blanks that
// follow leading TABs stay and a TAB stops the trailing removal.
std::string TrimBlanks(std::string_view text);
// The same without the copy: a view into the text. Inline, as readers call it on every line.
inline std::string_view TrimBlanksView(std::string_view text) {
  size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  size_t begin = 0;
  while (begin < end && text[begin] == ' ') ++begin;
  while (begin < end && text[begin] == '\t') ++begin;
  return text.substr(begin, end - begin);
}
// Blanks and TABs off both ends, as a view: unlike TrimBlanks it takes trailing TABs and
// blanks after leading TABs too. The item readers of definitions trim their items so.
inline std::string_view TrimBlanksAndTabs(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  return text.substr(begin, end - begin);
}
// Field n (1-based) of a comma-separated text; no quoting, no trimming.
std::string CsvField(std::string_view text, long long n);
// Field n of a packed record "!!<1>!!...!!<2>!!..."; "" when field n's marker is missing.
std::string MarkedField(std::string_view record, long long n);
// The marker that introduces field n of a packed record.
std::string FieldMarker(long long n);
// Replaces every occurrence, left to right, without searching replaced text again.
std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement);
// Applies ReplaceAll until the pattern no longer occurs. A replacement that contains the pattern
// would never end, so it is applied once only in that case.
std::string ReplaceRepeatedly(std::string_view text, std::string_view pattern,
                              std::string_view replacement);

// The job line being taken apart and the clause records it feeds.
struct JobOptionState {
  std::string CurrentLine;
  std::string ConfirmedRecord;
  std::string PriorityRecord;
};
// Takes one trailing CONFIRMED or PRIORITY clause off CurrentLine (CONFIRMED first).
void SplitJobOptions(JobOptionState& state);

}  // namespace vdbq
