#pragma once

#include <algorithm>
#include <string_view>

#include "core/definitions/clause_items.h"
#include "core/definitions/definition_lines.h"
#include "core/extracts/line_list.h"
#include "core/text/text_routines.h"

namespace vdbq {

// The graphs' reading of schedule definitions: their FOLLOWS items and job lines.
//
// A definition starts at a "SCHEDULE " line (column 1) whose key holds "#" and ends at its
// "END" line or at the next "SCHEDULE " line, so a definition without "END" never swallows the
// next one. Its header runs to the ":" line, its jobs from there to the end. Comment lines
// ("*") and empty lines are skipped.
//
// It differs from the check's reading (clause_walk.h), which the graphs predate, and keeps
// its own rules so that the graphs stay as they are: every line is trimmed of blanks and TABs
// at both ends; any clause whose line ends with "," goes on over the next lines, the empty
// ones too (a ":" in the header or "END" still closes it); job options are not cut off; and
// job lines are told from clauses by JobClauseKeywords::kGraph.
//
// The visitor gets:
//   Schedule(key, line)     a definition starts (key trimmed);
//   Job(key)                a job line of the current definition (key as written, cut at its
//                           first blank);
//   Item(item, jobLevel)    one FOLLOWS item, as ForEachClauseItem gives it; jobLevel when the
//                           clause comes after the ":" line.
//
// Reads the definitions whose "SCHEDULE " line lies in [from, to); a definition that starts
// there is read to its end even past `to`.
template <typename Visitor>
void ScanSchedules(const LineList& lines, long long from, long long to, Visitor& visitor) {
  enum class Part { kOutside, kHeader, kJobs };
  Part part = Part::kOutside;
  bool continuing = false;         // the last clause line ended with ","
  bool continuingFollows = false;  // ... and that clause is a FOLLOWS clause
  auto visitItems = [&visitor](std::string_view text, bool jobLevel) {
    ForEachClauseItem(text, ClauseKind::kFollows,
                      [&](std::string_view item) { visitor.Item(item, jobLevel); });
  };
  const long long count = lines.Count();
  for (long long i = std::max(0LL, from); i < count; ++i) {
    const std::string_view raw = lines.At(i);
    if (IsScheduleLine(raw)) {
      if (i >= to) return;
      const std::string_view key = TrimBlanksAndTabs(raw.substr(9));
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
    const std::string_view line = TrimBlanksAndTabs(raw);
    if (IsDefinitionEndLine(line)) {
      part = Part::kOutside;
      continuing = false;
      continue;
    }
    if (part == Part::kHeader && IsHeaderEndLine(line)) {
      part = Part::kJobs;
      continuing = false;
      continue;
    }
    const bool jobLevel = part == Part::kJobs;
    if (continuing) {
      if (continuingFollows) visitItems(line, jobLevel);
      continuing = line.empty() || EndsWithComma(line);
      continue;
    }
    if (line.empty() || IsCommentLine(line)) continue;
    if (StartsWith(line, "FOLLOWS ")) {
      visitItems(line.substr(8), jobLevel);
      continuingFollows = true;
      continuing = EndsWithComma(line);
    } else if (!jobLevel || IsJobClauseLine(line, JobClauseKeywords::kGraph)) {
      continuingFollows = false;
      continuing = EndsWithComma(line);
    } else {
      visitor.Job(line.substr(0, line.find(' ')));
    }
  }
}

}  // namespace vdbq
