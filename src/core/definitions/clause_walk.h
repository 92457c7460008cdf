#pragma once

#include <algorithm>
#include <string_view>

#include "core/definitions/clause_items.h"
#include "core/definitions/definition_lines.h"
#include "core/definitions/job_options.h"
#include "core/extracts/line_list.h"
#include "core/text/text_routines.h"

namespace vdbq {

// The check's reading of schedule definitions: the items of every item clause (FOLLOWS, NEEDS,
// PROMPT, and ON and EXCEPT of the header) and the job lines, in one pass over the lines.
//
// A definition starts at a schedule header line; its header runs to the ":" line, its job part
// to the line whose trimmed text is "END". A further "SCHEDULE " line ends a definition that
// lacks its END, so one broken definition never hides the ones after it. Lines are trimmed by
// TrimBlanks; comment and empty lines are skipped. Only an item clause goes on over the next
// lines while its text, without job options, ends with ","; an empty line ends it, and the
// "SCHEDULE " line, "END", or ":" in the header closes it. Job lines are told from clauses as
// the job listings tell them (JobClauseKeywords::kListing), so that the jobs the check finds
// unscheduled are the listing's; the graphs' reading (follows_scan.h) has rules of its own.
//
// The visitor gets:
//   Schedule(headerLine, line)       a definition starts;
//   Item(kind, item, line, inJobs)   one item, as ForEachClauseItem gives it, of a clause on
//                                    that line; inJobs after the ":" line;
//   Job(text, line)                  a job line, trimmed, without its job options;
//   EndSchedule(nextLine)            the definition ends before nextLine.
// tick() comes before every line read. The walk starts at line `first` and reads no line from
// `end` on (-1: the whole list), so that one definition can be read alone.
template <typename Visitor, typename Tick>
void WalkScheduleClauses(const LineList& lines, Visitor& visitor, Tick&& tick, long long first = 0,
                         long long end = -1) {
  const long long count = end < 0 ? lines.Count() : std::min(end, lines.Count());
  long long i = first;
  while (i < count) {
    tick();
    const std::string_view header = lines.At(i);
    if (!IsScheduleHeaderLine(header)) {
      ++i;
      continue;
    }
    visitor.Schedule(header, i);
    bool inJobs = false;
    long long j = i + 1;
    for (; j < count; ++j) {
      tick();
      const std::string_view raw = lines.At(j);
      if (IsScheduleLine(raw)) break;
      const std::string_view text = TrimBlanksView(raw);
      if (text.empty() || IsCommentLine(text)) continue;
      if (IsDefinitionEndLine(text)) {
        ++j;
        break;
      }
      if (!inJobs && IsHeaderEndLine(text)) {
        inJobs = true;
        continue;
      }
      if (const ItemClause* clause = ItemClauseOfLine(text, inJobs)) {
        const ClauseKind kind = clause->Kind;
        auto visitItems = [&](std::string_view part, long long line) {
          ForEachClauseItem(part, kind,
                            [&](std::string_view item) { visitor.Item(kind, item, line, inJobs); });
        };
        std::string_view part =
            WithoutJobOptions(TrimBlanksAndTabs(text.substr(clause->Keyword.size())));
        visitItems(part, j);
        while (EndsWithComma(part) && j + 1 < count) {
          const std::string_view next = lines.At(j + 1);
          part = WithoutJobOptions(TrimBlanksAndTabs(next));
          if (IsScheduleLine(next) || IsDefinitionEndLine(part) ||
              (!inJobs && IsHeaderEndLine(part))) {
            break;
          }
          ++j;
          visitItems(part, j);
        }
        continue;
      }
      if (inJobs && !IsJobClauseLine(text, JobClauseKeywords::kListing)) {
        visitor.Job(WithoutJobOptions(text), j);
      }
    }
    visitor.EndSchedule(j);
    i = j;
  }
}

}  // namespace vdbq
