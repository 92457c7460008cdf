#include "core/reports/family_reports.h"

#include "core/reports/name_lists.h"
#include "core/reports/report_routines.h"
#include "core/reports/schedule_header_lines.h"
#include "core/reports/usage_answers.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

std::string Around(const AroundName& text, const std::string& name) {
  return text.Before + name + text.After;
}

// The three families, a row each: the find report, then the usage report.
struct Family {
  FindReport Find;
  UsageReport Usage;
};

// A family to a paragraph, unwrapped, so each reads as its reports show it.
// clang-format off
// Resources are named in NEEDS items, after a quantity or a workstation.
constexpr Family kResources{
    {41, {"R#1", "No Resource Name Entered!", "Resource Name Entered Is Invalid!"},
     "Resource Report - Option #1", {"Schedules Using: ", ""}, {" Schedules using Resource <", ">... Ready."},
     false, &CatalogueTotals::ResourceTotal, ResourceNamesWithoutWorkstation, SchedulesUsingResource},
    {42, "R#2", "Resource Report - Option #2", "Resources", &CatalogueTotals::ResourceTotal,
     ResourceNamesWithWorkstation, CollectResourceNeeds}};

// Parameters are named between carets in job commands.
constexpr Family kParameters{
    {51, {"P#1", "No Parameter Name Entered!", "Parameter Name Entered Is Invalid!"},
     "Parameter Report - Option #1", {"Jobs Using: ^", "^"}, {" Jobs Containing Parameter ^", "^... Ready."},
     true, &CatalogueTotals::ParameterTotal, ParameterNameList, JobsUsingParameter},
    {52, "P#2", "Parameter Report - Option #2", "Parameters", &CatalogueTotals::ParameterTotal,
     ParameterNameList, CollectParameterUses}};

// The find report's status keeps its old spelling.
constexpr Family kPrompts{
    {61, {"D#1", "No Prompt Name Entered!", "Prompt Name Entered Is Invalid!"},
     "Prompt Report - Option #1", {"Schedules Using: ", ""}, {" Schedules Containg Prompt <", ">... Ready."},
     false, &CatalogueTotals::PromptTotal, PromptNameList, SchedulesUsingPrompt},
    {62, "D#2", "Prompt Report - Option #2", "Prompts", &CatalogueTotals::PromptTotal,
     PromptNameList, CollectPromptUses}};
// clang-format on

}  // namespace

void RunR1(ReportContext& ctx) { RunFindReport(ctx, kResources.Find); }
void RunR2(ReportContext& ctx) { RunUsageReport(ctx, kResources.Usage); }
void RunP1(ReportContext& ctx) { RunFindReport(ctx, kParameters.Find); }
void RunP2(ReportContext& ctx) { RunUsageReport(ctx, kParameters.Usage); }
void RunD1(ReportContext& ctx) { RunFindReport(ctx, kPrompts.Find); }
void RunD2(ReportContext& ctx) { RunUsageReport(ctx, kPrompts.Usage); }

void RunFindReport(ReportContext& ctx, const FindReport& report) {
  const ExtractStore& store = ctx.Store;
  const std::optional<std::string> name =
      AcceptFindName(ctx, ctx.Catalogue.Totals.*report.Total, report.Input,
                     [&store, &report] { return report.Names(store); });
  if (!name) return;
  BeginReportAfterAudit(ctx, ReportFrame{report.ReportNumber, report.Input.Code, report.Title1,
                                         Around(report.Title2, *name), kFindWidths});
  const long long rows = AddKeyRows(ctx, report.KeysUsing(ctx, *name), report.SkipEmptyKeys);
  FinishReport(ctx, "Found " + std::to_string(rows) + Around(report.Status, *name));
}

void RunUsageReport(ReportContext& ctx, const UsageReport& report) {
  if (ctx.Catalogue.Totals.*report.Total == 0) return;
  const std::string nameList = report.Names(ctx.Store);
  BeginReport(ctx, ReportFrame{report.ReportNumber, report.Code, report.Title1,
                               "Check Usage:", kUsageWidths});
  const std::string uses = report.CollectUses(ctx.Store, ctx.Progress);
  FinishReport(ctx, UsageStatus(AddUsageRows(ctx, nameList, uses), report.Objects));
}

std::string NamesOfRows(const std::vector<NameValue>& rows) {
  std::string list;
  for (const NameValue& row : rows) {
    if (row.Name.empty()) continue;
    list += TrimBlanks(row.Name);
    list += ',';
  }
  return list;
}

std::vector<std::string> SchedulesWithItemText(ReportContext& ctx, const BodyClause& clause,
                                               const std::string& first,
                                               const std::string& second) {
  const LineList& lines = ctx.Store.ScheduleLines;
  const std::vector<long long> headers = ScheduleHeaderLines(ctx.Store, ctx.Progress);
  const std::vector<bool> held =
      BodiesHolding(lines, headers, clause, [&](const std::string& text) {
        const std::string items = CommaWrapped(text);
        return Contains(items, first) || Contains(items, second);
      });
  std::vector<std::string> keys;
  for (size_t k = 0; k < headers.size(); ++k) {
    if (held[k]) keys.push_back(CopyFrom(lines.At(headers[k]), 10));
  }
  return keys;
}

}  // namespace vdbq
