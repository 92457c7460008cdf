#pragma once

#include <string>
#include <vector>

#include "core/extracts/line_list.h"
#include "core/reports/report_context.h"

namespace vdbq {

// One item of a clause that names other objects, with the line it stands on (from 0).
struct OutlineItem {
  std::string_view Text;  // points into the schedule lines
  long long Line = 0;
  // The job of the schedule whose clause it is (an index into Jobs); -1 for the schedule's own
  // header clauses and for a clause of the job part that comes before any job line.
  int Job = -1;
  // The clause stands in the job part (after the ":" line).
  bool InJobs = false;
};

// A job line of a schedule's job part.
struct OutlineJob {
  // The key as J#5 reads it: the line without a trailing CONFIRMED or PRIORITY clause, with
  // the schedule's workstation put before it when it holds no "#".
  std::string Key;
  // How much of the key comes before its first blank: the job as the schedule's FOLLOWS
  // clauses name it.
  size_t NodeKeyLength = 0;
  long long Line = 0;

  std::string_view NodeKey() const { return std::string_view(Key).substr(0, NodeKeyLength); }
};

// What the integrity rules read from one schedule definition.
struct ScheduleOutline {
  // Views of the SCHEDULE line.
  std::string_view Key;           // the text after "SCHEDULE ", trimmed
  std::string_view CatalogueKey;  // the text after "SCHEDULE " as the catalogue shows it
  std::string_view Workstation;   // the key before its first "#", at most 50 characters
  long long Line = 0;             // the SCHEDULE line
  // Each clause's items, split at commas and trimmed, over continuation lines. FOLLOWS items
  // are cut at their first blank; NEEDS items lose their quantity; PROMPT items are names
  // only (a quoted prompt text is no name). ON and EXCEPT come from the header only.
  std::vector<OutlineItem> Follows;
  std::vector<OutlineItem> Needs;
  std::vector<OutlineItem> Prompts;
  std::vector<OutlineItem> Calendars;
  std::vector<OutlineJob> Jobs;
};

// Reads every schedule definition, in file order, in one pass. The items point into `lines`,
// which must outlive the outlines. A definition starts at a
// "SCHEDULE " line that holds "#"; its header runs to the ":" line, its job part to the line
// whose trimmed text is "END". A further "SCHEDULE " line ends a definition that lacks its END,
// so one broken definition never hides the ones after it. A clause line ending with ","
// continues on the next line. Job lines are told from job clauses as J#5 tells them.
std::vector<ScheduleOutline> ReadScheduleOutlines(const LineList& lines, Progress& progress);

}  // namespace vdbq
