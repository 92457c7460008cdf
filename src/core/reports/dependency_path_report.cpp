#include <optional>
#include <string>

#include "core/reports/dependency_path.h"
#include "core/reports/report_frame.h"
#include "core/reports/report_routines.h"

namespace vdbq {

void RunS5(ReportContext& ctx) {
  if (!ValidateSearchText(ctx.Panel, true)) return;
  ResultList& results = ctx.Results;
  // Set before the lookup: a schedule that is not found leaves the previous rows under it.
  results.ReportNumber = 5;
  const std::string searchKey = ctx.Panel.SearchText;
  const PathStart start = PathStartOf(searchKey);
  results.Title = "Schedule Report - Option #5";
  results.Subtitle = start.Workstation + " # " + start.ScheduleName;
  ctx.Audit.AppendAuditLine(AuditTextFor("S#5", searchKey));

  const std::optional<DependencyPath> path = FindDependencyPath(ctx.Store, searchKey, ctx.Progress);
  if (!path) {
    ctx.Panel.StatusText = "Schedule Not Found!";
    return;
  }
  results.Clear();
  std::array<int, kResultColumns> widths = results.Widths;  // columns 6 to 9 stay as they were
  widths[0] = 40;
  widths[1] = 100;
  widths[2] = 130;
  widths[3] = 200;
  widths[4] = 200;
  results.SetWidths(widths);
  AddDependencyPathRows(*path, results, ctx.Progress);
  FinishReport(ctx, std::string(kReady));
}

}  // namespace vdbq
