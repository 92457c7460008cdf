#include "core/reports/family_reports.h"
#include "core/reports/key_parts.h"
#include "core/reports/name_lists.h"
#include "core/reports/report_routines.h"
#include "core/reports/usage_answers.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

std::string ResourceNames(const ExtractStore& store, bool withoutWorkstation) {
  std::string list;
  for (long long i = 0; i <= store.ResourceLastLine; ++i) {
    const std::string name = ResourceNameOfLine(store.ResourceLines.At(i));
    if (name.empty()) continue;
    list += withoutWorkstation ? CopyFrom(name, Find("#", name) + 1) : name;
    list += ',';
  }
  return list;
}

}  // namespace

std::string ResourceNamesWithoutWorkstation(const ExtractStore& store) {
  return ResourceNames(store, true);
}

std::string ResourceNamesWithWorkstation(const ExtractStore& store) {
  return ResourceNames(store, false);
}

// An item names the resource after its quantity or after a workstation.
std::vector<std::string> SchedulesUsingResource(ReportContext& ctx, const std::string& name) {
  return SchedulesWithItemText(ctx, kNeedsClause, " " + name + ",", "#" + name + ",");
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
