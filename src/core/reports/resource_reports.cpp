#include "core/reports/key_parts.h"
#include "core/reports/name_lists.h"
#include "core/reports/report_routines.h"
#include "core/reports/schedule_header_lines.h"
#include "core/reports/usage_answers.h"
#include "core/reports/usage_reports.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// Every resource name without its workstation, each followed by a comma: the names a search
// may give.
std::string ResourceShortNameList(const ExtractStore& store) {
  std::string list;
  for (long long i = 0; i <= store.ResourceLastLine; ++i) {
    const std::string name = ResourceNameOfLine(store.ResourceLines.At(i));
    if (name.empty()) continue;
    list += CopyFrom(name, Find("#", name) + 1);
    list += ',';
  }
  return list;
}

std::string ResourceNameList(const ExtractStore& store) {
  std::string list;
  for (long long i = 0; i <= store.ResourceLastLine; ++i) {
    const std::string name = ResourceNameOfLine(store.ResourceLines.At(i));
    if (name.empty()) continue;
    list += name;
    list += ',';
  }
  return list;
}

}  // namespace

void RunR1(ReportContext& ctx) {
  const ExtractStore& store = ctx.Store;
  const FindInput input{ctx.Catalogue.Totals.ResourceTotal, "R#1", "No Resource Name Entered!",
                        "Resource Name Entered Is Invalid!"};
  const std::optional<std::string> name =
      AcceptFindName(ctx, input, [&store] { return ResourceShortNameList(store); });
  if (!name) return;
  BeginReportAfterAudit(ctx, ReportFrame{41, "R#1", "Resource Report - Option #1",
                                         "Schedules Using: " + *name, kFindWidths});

  // An item names the resource after its quantity or after a workstation.
  const std::string afterQuantity = " " + *name + ",";
  const std::string afterWorkstation = "#" + *name + ",";
  const LineList& lines = store.ScheduleLines;
  const std::vector<long long> headers = ScheduleHeaderLines(store, ctx.Progress);
  // Each text is read as it stands between commas in the list of the schedule's items.
  const std::vector<bool> usesIt =
      BodiesHolding(lines, headers, kNeedsClause, [&](const std::string& text) {
        const std::string items = CommaWrapped(text);
        return Contains(items, afterQuantity) || Contains(items, afterWorkstation);
      });
  std::vector<std::string> keys;
  for (size_t k = 0; k < headers.size(); ++k) {
    if (usesIt[k]) keys.push_back(CopyFrom(lines.At(headers[k]), 10));
  }
  const long long found = static_cast<long long>(keys.size());
  AddKeyRows(ctx, std::move(keys), false);
  FinishReport(ctx, "Found " + std::to_string(found) + " Schedules using Resource <" + *name +
                        ">... Ready.");
}

void RunR2(ReportContext& ctx) {
  const ExtractStore& store = ctx.Store;
  if (ctx.Catalogue.Totals.ResourceTotal == 0) return;
  const std::string nameList = ResourceNameList(store);
  BeginReport(ctx,
              ReportFrame{42, "R#2", "Resource Report - Option #2", "Check Usage:", kUsageWidths});

  const std::string needs = CollectResourceNeeds(store, ctx.Progress);
  FinishReport(ctx, UsageStatus(AddUsageRows(ctx, nameList, needs), "Resources"));
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
