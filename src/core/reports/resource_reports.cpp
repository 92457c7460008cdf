#include "core/reports/family_reports.h"
#include "core/reports/key_parts.h"
#include "core/reports/name_lists.h"
#include "core/reports/report_routines.h"
#include "core/reports/usage_answers.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// Every resource name, each followed by a comma; a search names the resource without its
// workstation, the usage check with it.
template <bool kWithoutWorkstation>
std::string ResourceNames(const ExtractStore& store) {
  std::string list;
  for (long long i = 0; i <= store.ResourceLastLine; ++i) {
    const std::string name = ResourceNameOfLine(store.ResourceLines.At(i));
    if (name.empty()) continue;
    list += kWithoutWorkstation ? CopyFrom(name, Find("#", name) + 1) : name;
    list += ',';
  }
  return list;
}

// An item names the resource after its quantity or after a workstation.
std::vector<std::string> SchedulesUsingResource(ReportContext& ctx, const std::string& name) {
  return SchedulesWithItemText(ctx, kNeedsClause, " " + name + ",", "#" + name + ",");
}

}  // namespace

void RunR1(ReportContext& ctx) {
  static constexpr FindReport kReport{
      .ReportNumber = 41,
      .Input = {"R#1", "No Resource Name Entered!", "Resource Name Entered Is Invalid!"},
      .Title1 = "Resource Report - Option #1",
      .Title2 = {"Schedules Using: ", ""},
      .Status = {" Schedules using Resource <", ">... Ready."},
      .SkipEmptyKeys = false,
      .Total = &CatalogueTotals::ResourceTotal,
      .Names = ResourceNames<true>,
      .KeysUsing = SchedulesUsingResource};
  RunFindReport(ctx, kReport);
}

void RunR2(ReportContext& ctx) {
  static constexpr UsageReport kReport{.ReportNumber = 42,
                                       .Code = "R#2",
                                       .Title1 = "Resource Report - Option #2",
                                       .Objects = "Resources",
                                       .Total = &CatalogueTotals::ResourceTotal,
                                       .Names = ResourceNames<false>,
                                       .CollectUses = CollectResourceNeeds};
  RunUsageReport(ctx, kReport);
}

std::string CollectResourceNeeds(const ExtractStore& store, Progress& progress) {
  std::string needs;
  const LineList& lines = store.ScheduleLines;
  long long line = 0;
  while (line < store.ScheduleLineCount) {
    progress.Tick();
    std::string_view text = lines.At(line);
    if (StartsWith(text, "SCHEDULE ")) {
      const std::string workstation = SplitKey(CopyFrom(text, 10)).Workstation;
      line = ReadNeedsAsResources(lines, line + 1, workstation, needs, progress);
    } else {
      ++line;
    }
  }
  return needs;
}

}  // namespace vdbq
