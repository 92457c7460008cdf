#include "core/reports/family_reports.h"

#include "core/reports/name_lists.h"
#include "core/reports/schedule_header_lines.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

std::string Around(const AroundName& text, const std::string& name) {
  return text.Before + name + text.After;
}

}  // namespace

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
