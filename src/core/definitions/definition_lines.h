#pragma once

#include <algorithm>
#include <string_view>

#include "core/text/text_routines.h"

// The classes of line a schedule definition is made of, as every reader of definitions tells
// them apart: the SCHEDULE line that opens a definition, comment lines, the ":" line that ends
// the header, the END line, and in the job part the clause lines against the job lines. The
// tests on trimmed lines take the line as the reader trimmed it.
namespace vdbq {

// Any "SCHEDULE " line (column 1): it ends the definition before it, even one without END.
inline bool IsScheduleLine(std::string_view line) { return StartsWith(line, "SCHEDULE "); }

// A "SCHEDULE " line whose key names a workstation: only such a line opens a definition.
inline bool IsScheduleHeaderLine(std::string_view line) {
  return IsScheduleLine(line) && line.find('#') != std::string_view::npos;
}

// The key of a schedule header line: the text after "SCHEDULE ", trimmed by TrimBlanks.
inline std::string_view ScheduleKeyOfLine(std::string_view line) {
  return TrimBlanksView(line.substr(std::min<size_t>(line.size(), 9)));
}

// The workstation the readers put before a name that lacks one: the key before its first "#",
// at most 50 characters.
inline std::string_view ScheduleWorkstationOf(std::string_view scheduleKey) {
  constexpr size_t kWorkstationLength = 50;
  return scheduleKey.substr(0, std::min(scheduleKey.find('#'), kWorkstationLength));
}

inline bool IsCommentLine(std::string_view trimmed) {
  return !trimmed.empty() && trimmed.front() == '*';
}
inline bool IsHeaderEndLine(std::string_view trimmed) { return trimmed == ":"; }
inline bool IsDefinitionEndLine(std::string_view trimmed) { return trimmed == "END"; }

// A clause whose text ends with "," goes on over the next line.
inline bool EndsWithComma(std::string_view text) { return !text.empty() && text.back() == ','; }

// Which keywords make a line of the job part a clause of the job above it rather than a job.
enum class JobClauseKeywords {
  // The job listings' (unscheduled jobs, schedules containing a job), which the check shares:
  // AT, FOLLOWS, PROMPT, OPENS, NEEDS, PRIORITY, EVERY, UNTIL, SCRIPTNAME, STREAMLOGON,
  // ONUNTIL (each with its blank) and a lone CONFIRMED.
  kListing,
  // The graphs' reading knows the same without SCRIPTNAME and STREAMLOGON, so a job graph
  // shows such a line as a job; kept so that the graphs stay as they are.
  kGraph,
};

inline bool IsJobClauseLine(std::string_view trimmed, JobClauseKeywords keywords) {
  // Most job lines start with a workstation or job name that no keyword starts like.
  switch (trimmed.empty() ? '\0' : trimmed.front()) {
    case 'A':
    case 'C':
    case 'E':
    case 'F':
    case 'N':
    case 'O':
    case 'P':
    case 'S':
    case 'U':
      break;
    default:
      return false;
  }
  if (trimmed == "CONFIRMED") return true;
  for (std::string_view keyword : {"AT ", "FOLLOWS ", "PROMPT ", "OPENS ", "NEEDS ", "PRIORITY ",
                                   "EVERY ", "UNTIL ", "ONUNTIL "}) {
    if (StartsWith(trimmed, keyword)) return true;
  }
  return keywords == JobClauseKeywords::kListing &&
         (StartsWith(trimmed, "SCRIPTNAME ") || StartsWith(trimmed, "STREAMLOGON "));
}

}  // namespace vdbq
