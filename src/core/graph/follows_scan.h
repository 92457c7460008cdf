#pragma once

#include <algorithm>
#include <string_view>

#include "core/extracts/line_list.h"

namespace vdbq {

// The one reading of schedule definitions that the schedule graph and the job graph share.
//
// A definition starts at a "SCHEDULE " line (column 1) whose key holds "#" and ends at its
// "END" line or at the next "SCHEDULE " line, so a definition without "END" never swallows the
// next one. Its header runs to the ":" line, its jobs from there to the end. Any clause whose
// line ends with "," goes on over the next lines; a ":" (in the header) or "END" closes even a
// clause that runs on. Comment lines ("*") and empty lines are skipped.
//
// The visitor gets:
//   Schedule(key, line)     a definition starts (key trimmed);
//   Job(key)                a job line of the current definition (key as written, cut at its
//                           first blank);
//   Item(item, jobLevel)    one FOLLOWS item, trimmed and cut at its first blank, never empty;
//                           jobLevel when the clause comes after the ":" line.
namespace follows_scan {

inline std::string_view Trimmed(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  return text.substr(begin, end - begin);
}

inline std::string_view CutAtBlank(std::string_view text) {
  return text.substr(0, text.find(' '));
}

inline bool Starts(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The clauses that may follow a job line; any other line of the job part names a job.
inline bool IsJobClause(std::string_view line) {
  for (std::string_view keyword : {"AT ", "FOLLOWS ", "PROMPT ", "OPENS ", "NEEDS ", "PRIORITY ",
                                   "EVERY ", "UNTIL ", "ONUNTIL "}) {
    if (Starts(line, keyword)) return true;
  }
  return line == "CONFIRMED";
}

template <typename Visitor>
void VisitItems(std::string_view text, bool jobLevel, Visitor& visitor) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) comma = text.size();
    const std::string_view item = CutAtBlank(Trimmed(text.substr(start, comma - start)));
    if (!item.empty()) visitor.Item(item, jobLevel);
    start = comma + 1;
  }
}

}  // namespace follows_scan

// Reads the definitions whose "SCHEDULE " line lies in [from, to); a definition that starts
// there is read to its end even past `to`.
template <typename Visitor>
void ScanSchedules(const LineList& lines, long long from, long long to, Visitor& visitor) {
  using namespace follows_scan;
  enum class Part { kOutside, kHeader, kJobs };
  Part part = Part::kOutside;
  bool continuing = false;         // the last clause line ended with ","
  bool continuingFollows = false;  // ... and that clause is a FOLLOWS clause
  const long long count = lines.Count();
  for (long long i = std::max(0LL, from); i < count; ++i) {
    const std::string_view raw = lines.At(i);
    if (Starts(raw, "SCHEDULE ")) {
      if (i >= to) return;
      const std::string_view key = Trimmed(raw.substr(9));
      continuing = false;
      if (key.find('#') == std::string_view::npos) {
        part = Part::kOutside;
        continue;
      }
      part = Part::kHeader;
      visitor.Schedule(key, i);
      continue;
    }
    if (part == Part::kOutside) {
      if (i >= to) return;
      continue;
    }
    const std::string_view line = Trimmed(raw);
    if (line == "END") {
      part = Part::kOutside;
      continuing = false;
      continue;
    }
    if (part == Part::kHeader && line == ":") {
      part = Part::kJobs;
      continuing = false;
      continue;
    }
    const bool jobLevel = part == Part::kJobs;
    if (continuing) {
      if (continuingFollows) VisitItems(line, jobLevel, visitor);
      continuing = line.empty() || line.back() == ',';
      continue;
    }
    if (line.empty() || line.front() == '*') continue;
    if (Starts(line, "FOLLOWS ")) {
      VisitItems(line.substr(8), jobLevel, visitor);
      continuingFollows = true;
      continuing = line.back() == ',';
    } else if (!jobLevel || IsJobClause(line)) {
      continuingFollows = false;
      continuing = line.back() == ',';
    } else {
      visitor.Job(CutAtBlank(line));
    }
  }
}

}  // namespace vdbq
