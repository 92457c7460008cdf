#include "core/impact/left_out_check.h"

#include <future>
#include <map>
#include <string>
#include <tuple>

#include "core/check/check_database.h"
#include "core/forecast/forecast.h"
#include "core/graph/schedule_graph.h"

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

// What the check reads of the catalogue; the caches stay empty, so the check builds them from
// the store it reads.
void CopyCheckInputs(const Catalogue& catalogue, Catalogue& scratch) {
  scratch.ValidCpuList = catalogue.ValidCpuList;
  scratch.CalendarNameList = catalogue.CalendarNameList;
  scratch.CpuOsTable = catalogue.CpuOsTable;
  scratch.Totals = catalogue.Totals;
}

// The same for the store without the definition.
void FillCatalogueWithout(const ExtractStore& store, const Catalogue& catalogue,
                          const ExtractStore& view, const LeftOut& leftOut, Catalogue& scratch) {
  CopyCheckInputs(catalogue, scratch);
  // The graph reads the schedules alone, which only a schedule's removal changes. The run days
  // read each schedule on its own and the calendars: without a schedule, the run-day rules pass
  // over its emptied lines and the others' days stay as loaded.
  if (leftOut.Kind != ObjectKind::Schedule) scratch.Graph = ScheduleGraphOf(store, catalogue);
  if (leftOut.Kind != ObjectKind::Calendar) scratch.RunDays = ForecastOf(store, catalogue);
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

std::shared_ptr<const std::vector<Finding>> LoadedFindingsCache::Get(const ExtractStore& store,
                                                                     const Catalogue& catalogue,
                                                                     const CheckOptions& options) {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (!findings_ || today_ != options.Today) {
    Catalogue scratch;
    CopyCheckInputs(catalogue, scratch);
    // The graph and the run days are the loaded ones, built once per load and never written
    // after.
    scratch.Graph = ScheduleGraphOf(store, catalogue);
    scratch.RunDays = ForecastOf(store, catalogue);
    Progress silent;
    findings_ = std::make_shared<const std::vector<Finding>>(
        CheckDatabase(store, scratch, options, silent));
    today_ = options.Today;
  }
  return findings_;
}

void LoadedFindingsCache::Reset() {
  const std::lock_guard<std::mutex> lock(mutex_);
  findings_.reset();
}

std::vector<Finding> FindingsIfLeftOut(const ExtractStore& store, const Catalogue& catalogue,
                                       const LeftOut& leftOut, const RemovalCheck& check,
                                       Progress& progress) {
  std::future<std::shared_ptr<const std::vector<Finding>>> before =
      std::async(std::launch::async, &LoadedFindingsCache::Get, &check.Loaded, std::cref(store),
                 std::cref(catalogue), std::cref(check.Options));
  const ExtractStore view = StoreWithout(store, leftOut);
  Catalogue scratch;
  FillCatalogueWithout(store, catalogue, view, leftOut, scratch);
  std::vector<Finding> after = CheckDatabase(view, scratch, check.Options, progress);

  std::map<FindingFields, int> present;
  for (const Finding& f : *before.get()) ++present[FieldsOf(f)];
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
