#include "core/impact/left_out_check.h"

#include <map>
#include <string>
#include <tuple>

#include "core/check/check_database.h"

namespace vdbq {
namespace {

LineList Hidden(const LineList& lines, const LeftOut& leftOut, ObjectKind kind) {
  return leftOut.Kind == kind ? LineList::WithLinesHidden(lines, leftOut.First, leftOut.End)
                              : LineList::WithLinesHidden(lines, 0, 0);
}

// The loaded store with the definition left out; its lists view the store's, which must
// outlive it.
ExtractStore StoreWithout(const ExtractStore& store, const LeftOut& leftOut) {
  ExtractStore view;
  view.ScheduleLines = Hidden(store.ScheduleLines, leftOut, ObjectKind::Schedule);
  view.JobLines = Hidden(store.JobLines, leftOut, ObjectKind::Job);
  view.CpuLines = Hidden(store.CpuLines, leftOut, ObjectKind::Workstation);
  view.CalendarLines = Hidden(store.CalendarLines, leftOut, ObjectKind::Calendar);
  view.ResourceLines = Hidden(store.ResourceLines, leftOut, ObjectKind::Resource);
  view.ParameterList = store.ParameterList;
  view.PromptList = store.PromptList;
  view.ExtractsMissing = store.ExtractsMissing;
  view.MissingFile = store.MissingFile;
  view.ScheduleLineCount = store.ScheduleLineCount;
  view.JobLineCount = store.JobLineCount;
  view.CpuLineCount = store.CpuLineCount;
  view.CalendarLineCount = store.CalendarLineCount;
  view.ResourceLastLine = store.ResourceLastLine;
  view.ParameterLastLine = store.ParameterLastLine;
  view.PromptLastLine = store.PromptLastLine;
  view.ParameterTotal = store.ParameterTotal;
  view.PromptTotal = store.PromptTotal;
  view.ResourceTotal = store.ResourceTotal;
  view.LastUpdate = store.LastUpdate;
  view.ParameterPageTitle = store.ParameterPageTitle;
  view.PromptPageTitle = store.PromptPageTitle;
  // A schedule's END line stays, so the blocks are where they were.
  view.ScheduleBlockStart = store.ScheduleBlockStart;
  view.ScheduleBlockCount = store.ScheduleBlockCount;
  auto eraseRow = [&](std::vector<NameValue>& rows, long long& total) {
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(leftOut.Row));
    --total;
  };
  if (leftOut.Kind == ObjectKind::Parameter) eraseRow(view.ParameterList, view.ParameterTotal);
  if (leftOut.Kind == ObjectKind::Prompt) eraseRow(view.PromptList, view.PromptTotal);
  if (leftOut.Kind == ObjectKind::Resource) --view.ResourceTotal;
  return view;
}

// What the check reads of the catalogue, for the store without the definition; its caches
// start empty, so they are built from that store.
void FillCatalogueWithout(const Catalogue& catalogue, const ExtractStore& view,
                          const LeftOut& leftOut, Catalogue& scratch) {
  scratch.ValidCpuList = catalogue.ValidCpuList;
  scratch.CalendarNameList = catalogue.CalendarNameList;
  scratch.CpuOsTable = catalogue.CpuOsTable;
  scratch.Totals = catalogue.Totals;
  scratch.Totals.ParameterTotal = view.ParameterTotal;
  scratch.Totals.PromptTotal = view.PromptTotal;
  scratch.Totals.ResourceTotal = view.ResourceTotal;
  if (leftOut.Kind == ObjectKind::Calendar) --scratch.Totals.CalendarTotal;
  if (leftOut.Kind == ObjectKind::Job) --scratch.Totals.JobTotal;
}

using FindingFields =
    std::tuple<std::string, std::string, long long, std::string, int, std::string, int>;

FindingFields FieldsOf(const Finding& f) {
  return {f.File,
          f.Rule,
          f.Line.Value,
          f.Key,
          static_cast<int>(f.Kind),
          f.Message,
          static_cast<int>(f.Severity)};
}

}  // namespace

std::vector<Finding> FindingsIfLeftOut(const ExtractStore& store, const Catalogue& catalogue,
                                       const LeftOut& leftOut, const CheckOptions& options,
                                       Progress& progress) {
  const std::vector<Finding> before = CheckDatabase(store, catalogue, options, progress);
  const ExtractStore view = StoreWithout(store, leftOut);
  Catalogue scratch;
  FillCatalogueWithout(catalogue, view, leftOut, scratch);
  std::vector<Finding> after = CheckDatabase(view, scratch, options, progress);

  std::map<FindingFields, int> present;
  for (const Finding& f : before) ++present[FieldsOf(f)];
  std::vector<Finding> added;
  for (Finding& f : after) {
    const auto found = present.find(FieldsOf(f));
    if (found != present.end() && found->second > 0) {
      --found->second;
      continue;
    }
    added.push_back(std::move(f));
  }
  return added;
}

}  // namespace vdbq
