#include "core/check/schedule_outline.h"

#include <algorithm>
#include <span>

#include "core/definitions/clause_walk.h"
#include "core/definitions/definition_lines.h"
#include "core/text/text_routines.h"

namespace vdbq {

ScheduleOutlines ReadScheduleOutlines(const LineList& lines, Progress& progress) {
  ScheduleOutlines result;
  HugeVector<ScheduleOutline>& outlines = result.schedules_;
  // Where each outline's part of the shared arrays begins and ends, turned into views once
  // the arrays have stopped growing.
  struct Extent {
    size_t Begin[5];
    size_t End[5];
  };
  HugeVector<Extent> extents;
  // In the order of ClauseKind.
  HugeVector<OutlineItem>* arrays[kClauseKindCount] = {&result.follows_, &result.needs_,
                                                       &result.prompts_, &result.calendars_};
  // Composed keys: the job, and where its key lies in composedKeys_.
  struct Composed {
    size_t Job;
    size_t Offset;
  };
  std::vector<Composed> composed;
  HugeVector<char>& composedKeys = result.composedKeys_;

  const long long count = lines.Count();
  // Room for what a file of this many lines usually holds, taken up front so that the arrays
  // are not copied as they grow; pages are only taken as they are written.
  const auto room = static_cast<size_t>(std::min<long long>(count, 1LL << 22));
  outlines.reserve(room / 8);
  extents.reserve(room / 8);
  result.jobs_.reserve(room / 2);
  result.follows_.reserve(room / 2);
  result.calendars_.reserve(room / 4);
  // Fills the outline of the definition being read, and adds it when the definition ends.
  struct OutlineBuilder {
    HugeVector<ScheduleOutline>& Outlines;
    HugeVector<Extent>& Extents;
    HugeVector<OutlineItem>* (&Items)[kClauseKindCount];
    HugeVector<OutlineJob>& Jobs;
    std::vector<Composed>& ComposedJobs;
    HugeVector<char>& ComposedKeys;
    ScheduleOutline Outline{};
    Extent Current{};
    size_t FirstJob = 0;

    void Sizes(size_t (&at)[5]) const {
      for (size_t k = 0; k < kClauseKindCount; ++k) at[k] = Items[k]->size();
      at[4] = Jobs.size();
    }
    void Schedule(std::string_view header, long long line) {
      Outline = ScheduleOutline();
      Outline.Key = ScheduleKeyOfLine(header);
      Outline.CatalogueKey = header.substr(9);
      Outline.Workstation = ScheduleWorkstationOf(Outline.Key);
      Outline.Line = line;
      Sizes(Current.Begin);
      FirstJob = Jobs.size();
    }
    void Item(ClauseKind kind, std::string_view item, long long line, bool inJobs) {
      const int job = inJobs ? static_cast<int>(Jobs.size() - FirstJob) - 1 : -1;
      Items[static_cast<size_t>(kind)]->push_back(OutlineItem{item, line, job, inJobs});
    }
    void Job(std::string_view job, long long line) {
      OutlineJob entry;
      if (job.find('#') != std::string_view::npos) {
        entry.Key = TrimBlanksView(job);
        entry.NodeKeyLength = std::min(entry.Key.find(' '), entry.Key.size());
      } else {
        ComposedJobs.push_back(Composed{Jobs.size(), ComposedKeys.size()});
        ComposedKeys.insert(ComposedKeys.end(), Outline.Workstation.begin(),
                            Outline.Workstation.end());
        ComposedKeys.push_back('#');
        ComposedKeys.insert(ComposedKeys.end(), job.begin(), job.end());
        // Its place is filled in once ComposedKeys has stopped growing.
        entry.Key = std::string_view(nullptr, Outline.Workstation.size() + 1 + job.size());
      }
      entry.Line = line;
      Jobs.push_back(entry);
    }
    void EndSchedule(long long) {
      Sizes(Current.End);
      Extents.push_back(Current);
      Outlines.push_back(Outline);
    }
  };
  OutlineBuilder builder{outlines, extents, arrays, result.jobs_, composed, composedKeys};
  WalkScheduleClauses(lines, builder, [&progress] { progress.Tick(); });

  for (const Composed& c : composed) {
    OutlineJob& job = result.jobs_[c.Job];
    job.Key = std::string_view(composedKeys.data() + c.Offset, job.Key.size());
    job.NodeKeyLength = std::min(job.Key.find(' '), job.Key.size());
  }
  for (size_t k = 0; k < outlines.size(); ++k) {
    const Extent& extent = extents[k];
    std::span<const OutlineItem>* views[4] = {&outlines[k].Follows, &outlines[k].Needs,
                                              &outlines[k].Prompts, &outlines[k].Calendars};
    for (size_t a = 0; a < 4; ++a) {
      *views[a] = std::span<const OutlineItem>(*arrays[a])
                      .subspan(extent.Begin[a], extent.End[a] - extent.Begin[a]);
    }
    outlines[k].Jobs = std::span<const OutlineJob>(result.jobs_)
                           .subspan(extent.Begin[4], extent.End[4] - extent.Begin[4]);
  }
  return result;
}

}  // namespace vdbq
