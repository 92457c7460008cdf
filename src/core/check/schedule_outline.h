#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/extracts/line_list.h"
#include "core/extracts/progress.h"
#include "core/memory/huge_pages.h"

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
  // the schedule's workstation put before it when it holds no "#". Points into the schedule
  // lines, or into the outlines' own texts when the workstation was put before it.
  std::string_view Key;
  // How much of the key comes before its first blank: the job as the schedule's FOLLOWS
  // clauses name it.
  size_t NodeKeyLength = 0;
  long long Line = 0;

  std::string_view NodeKey() const { return Key.substr(0, NodeKeyLength); }
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
  std::span<const OutlineItem> Follows;
  std::span<const OutlineItem> Needs;
  std::span<const OutlineItem> Prompts;
  std::span<const OutlineItem> Calendars;
  std::span<const OutlineJob> Jobs;
};

// Every schedule definition, in file order. The items and jobs of all outlines lie in a few
// shared arrays, so that reading a large file costs no allocation per schedule. Movable, not
// copyable: the outlines view the arrays.
class ScheduleOutlines {
 public:
  ScheduleOutlines() = default;
  ScheduleOutlines(ScheduleOutlines&&) noexcept = default;
  ScheduleOutlines& operator=(ScheduleOutlines&&) noexcept = default;
  ScheduleOutlines(const ScheduleOutlines&) = delete;
  ScheduleOutlines& operator=(const ScheduleOutlines&) = delete;

  size_t size() const { return schedules_.size(); }
  bool empty() const { return schedules_.empty(); }
  const ScheduleOutline& operator[](size_t k) const { return schedules_[k]; }
  auto begin() const { return schedules_.begin(); }
  auto end() const { return schedules_.end(); }
  // Every schedule's jobs, one after another.
  std::span<const OutlineJob> AllJobs() const { return jobs_; }

 private:
  friend ScheduleOutlines ReadScheduleOutlines(const LineList& lines, Progress& progress);

  HugeVector<ScheduleOutline> schedules_;
  HugeVector<OutlineItem> follows_, needs_, prompts_, calendars_;
  HugeVector<OutlineJob> jobs_;
  // The job keys that got their schedule's workstation put before them. Not a string: a short
  // one would move its bytes along with itself.
  HugeVector<char> composedKeys_;
};

// Reads every schedule definition, in file order, in one pass, as WalkScheduleClauses reads
// them. The items point into `lines`, which must outlive the outlines.
ScheduleOutlines ReadScheduleOutlines(const LineList& lines, Progress& progress);

}  // namespace vdbq
