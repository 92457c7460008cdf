#include "support/database_exercise.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "core/audit/audit_log.h"
#include "core/catalogue/catalogue.h"
#include "core/output/clipboard_csv.h"
#include "core/output/csv_text.h"
#include "core/output/html_report.h"
#include "core/output/row_key.h"
#include "core/reports/report_context.h"
#include "core/reports/row_styles.h"
#include "core/reports/run_report.h"
#include "core/text/text_routines.h"
#include "core/views/calendar_page.h"
#include "core/views/job_page.h"
#include "core/views/list_pages.h"
#include "core/views/resource_page.h"
#include "core/views/schedule_page.h"
#include "core/views/workstation_page.h"
#include "support/page_colouring_check.h"

namespace vdbq::testing {
namespace {

// Enough objects of each kind to reach the first, a few more and the last, while one input
// still runs in milliseconds.
constexpr size_t kObjectsPerKind = 4;
constexpr size_t kSearchesTried = 6;
// Rows whose keys and styles are checked after each report.
constexpr size_t kRowsChecked = 400;
constexpr TimeStamp kToday{2026, 12, 5, 10, 0, 0};

using Key = std::pair<std::string, std::string>;

// The objects the catalogue lists, by kind: a few from the front and the last one.
struct CatalogueObjects {
  std::vector<std::string> Workstations, Calendars, Parameters, Prompts, Resources;
  std::vector<Key> Schedules, Jobs;
};

template <typename T>
void TakeSome(const std::vector<T>& all, std::vector<T>& some) {
  for (size_t i = 0; i < all.size() && i < kObjectsPerKind; ++i) some.push_back(all[i]);
  if (all.size() > kObjectsPerKind) some.push_back(all.back());
}

CatalogueObjects ObjectsOf(const Catalogue& catalogue) {
  CatalogueObjects objects;
  for (const TreeNode& heading : catalogue.Tree) {
    std::vector<std::string> names;
    std::vector<Key> keys;
    for (const TreeNode& node : heading.Children) {
      names.emplace_back(node.Caption);
      for (const TreeNode& leaf : node.Children) keys.emplace_back(node.Caption, leaf.Caption);
    }
    const std::string_view caption = heading.Caption;
    if (caption == kHeadingWorkstations) TakeSome(names, objects.Workstations);
    if (caption == kHeadingCalendars) TakeSome(names, objects.Calendars);
    if (caption == kHeadingParameters) TakeSome(names, objects.Parameters);
    if (caption == kHeadingPrompts) TakeSome(names, objects.Prompts);
    if (caption == kHeadingResources) TakeSome(names, objects.Resources);
    if (caption == kHeadingSchedules || caption == kHeadingSchedulesInvalid) {
      TakeSome(keys, objects.Schedules);
    }
    if (caption == kHeadingJobs || caption == kHeadingJobsInvalid) TakeSome(keys, objects.Jobs);
  }
  return objects;
}

Key SplitAtHash(const std::string& key) {
  const size_t hash = key.find('#');
  if (hash == std::string::npos) return {key, ""};
  return {key.substr(0, hash), key.substr(hash + 1)};
}

std::string KeyText(const Key& key) { return key.first + "#" + key.second; }

void ShowPages(const ExtractStore& store, const Catalogue& catalogue,
               const CatalogueObjects& objects, const std::vector<std::string>& searches) {
  WorkstationPage workstation;
  SchedulePage schedule;
  JobPage job;
  CalendarPage calendar;
  ResourcePage resource;
  ParameterPage parameter;
  PromptPage prompt;
  auto showSchedule = [&](const Key& key) {
    ShowSchedule(store, catalogue, key.first, key.second, schedule);
    if (!schedule.Lines.empty()) {
      const std::string header = "SCHEDULE " + KeyText(key);
      bool shown = false;
      for (const std::string& line : schedule.Lines) shown = shown || line == header;
      Require(shown, "the schedule page shows lines of a schedule it did not find");
    }
    CheckPageColouring(schedule.Lines, key.second.size());
  };
  for (const auto& name : objects.Workstations)
    ShowWorkstation(store, catalogue, name, workstation);
  for (const auto& key : objects.Schedules) showSchedule(key);
  for (const auto& [cpu, name] : objects.Jobs) ShowJob(store, catalogue, cpu, name, job);
  for (const auto& name : objects.Calendars) ShowCalendar(store, catalogue, name, calendar);
  for (const auto& name : objects.Resources) ShowResource(store, catalogue, name, resource);
  for (const auto& name : objects.Parameters) ShowParameter(store, catalogue, name, parameter);
  for (const auto& name : objects.Prompts) ShowPrompt(store, catalogue, name, prompt);
  for (size_t i = 0; i < searches.size() && i < kSearchesTried; ++i) {
    const std::string& text = searches[i];
    const Key key = SplitAtHash(text);
    ShowWorkstation(store, catalogue, text, workstation);
    showSchedule(key);
    ShowJob(store, catalogue, key.first, key.second, job);
    ShowCalendar(store, catalogue, text, calendar);
    ShowResource(store, catalogue, text, resource);
    ShowParameter(store, catalogue, text, parameter);
    ShowPrompt(store, catalogue, text, prompt);
  }
  const long long row = static_cast<long long>(searches.size()) - 1;
  if (auto name = ClickParameterRow(store, row, parameter)) {
    Require(*name == parameter.Name, "a parameter row click copies another name");
  }
  if (auto name = ClickPromptRow(store, row, prompt)) {
    Require(*name == prompt.Name, "a prompt row click copies another name");
  }
  Require(resource.History.size() <= kResourceHistoryLimit, "the resource history grows");
}

void CheckResults(const ResultList& results) {
  const std::string csv = CsvFileText(results);
  const std::string clipboard = ClipboardCsvText(results);
  Require(results.Rows.empty() == csv.empty() && results.Rows.empty() == clipboard.empty(),
          "an export lost its rows");
  const size_t rows = results.Rows.size();
  for (size_t i = 0; i < rows && i < kRowsChecked; ++i) {
    const auto row = static_cast<long long>(i);
    RowKey(results, row);
    ClickResultRow(results, row);
    for (int k = 1; k <= kResultColumns; ++k) CellStyleAt(results, row, k);
  }
  if (rows > kRowsChecked) RowKey(results, static_cast<long long>(rows) - 1);
  Require(!RowKey(results, static_cast<long long>(rows)), "a row past the end has a key");
  HintFor(results.ReportNumber);
  if (HtmlExportAvailable(results)) {
    Require(ScheduleHtmlDocument(results).find("</HTML>") != std::string::npos,
            "the HTML document is not closed");
  }
}

// One report session: the panel and the result list stay from run to run, as they do for a
// user, so each run also meets what the runs before it left.
class Session {
 public:
  Session(const ExtractStore& store, const Catalogue& catalogue, const Settings& settings)
      : store_(store), catalogue_(catalogue), audit_(settings, [] { return kToday; }) {
    panel_.SetTotals(catalogue.Totals);
  }

  void Run(const ReportEntry& entry, const std::string& search) {
    ReportContext ctx{store_, catalogue_, panel_, results_, audit_, progress_, kToday, [] {}};
    const long long completedBefore = results_.RunsCompleted;
    try {
      Require(RunPreset(ctx, entry, search) == RunOutcome::Ran, "a report did not run");
    } catch (const ReportDataError&) {
      // A calendar date that is not a number stops C#3 and C#4 with a message.
      Require(entry.Code[0] == 'C', "a report other than C#3 or C#4 stopped on its data");
    }
    Require(!panel_.ReportRunning, "a report is still marked as running");
    if (results_.RunsCompleted > completedBefore) {
      Require(results_.ResultsShown, "a completed report did not show its results");
    }
    CheckResults(results_);
  }

 private:
  const ExtractStore& store_;
  const Catalogue& catalogue_;
  ReportPanel panel_;
  ResultList results_;
  AuditLog audit_;
  Progress progress_;
};

// Texts a report is tried with besides the input's: names of its kind from the catalogue, as
// listed and in upper case (as the search box holds them).
std::vector<std::string> CatalogueSearches(const std::string& code,
                                           const CatalogueObjects& objects) {
  std::vector<std::string> searches;
  auto add = [&searches](const std::string& text) {
    searches.push_back(text);
    const std::string upper = UpperCase(text);
    if (upper != text) searches.push_back(upper);
  };
  if (code == "S#3" || code == "S#4" || code == "S#5") {
    for (const Key& key : objects.Schedules) add(code == "S#3" ? key.second : KeyText(key));
  } else if (code == "J#3" || code == "J#4") {
    for (const Key& key : objects.Jobs) {
      add(key.second);
      add(KeyText(key));
    }
  } else if (code == "W#1" || code == "W#2") {
    for (const auto& name : objects.Workstations) add(name);
  } else if (code == "C#1") {
    for (const auto& name : objects.Calendars) add(name);
  } else if (code == "R#1") {
    for (const auto& name : objects.Resources) add(name);
  } else if (code == "P#1") {
    for (const auto& name : objects.Parameters) add(name);
  } else if (code == "D#1") {
    for (const auto& name : objects.Prompts) add(name);
  }
  return searches;
}

void RunReports(const ExtractStore& store, const Catalogue& catalogue,
                const CatalogueObjects& objects, const std::vector<std::string>& searches,
                const Settings& settings) {
  Session session(store, catalogue, settings);
  size_t next = 0;
  for (const ReportEntry& entry : ReportTable()) {
    session.Run(entry, searches.empty() ? std::string() : searches[next++ % searches.size()]);
    for (const std::string& search : CatalogueSearches(entry.Code, objects)) {
      session.Run(entry, search);
    }
  }
  // The input's further texts with the reports that look an object up by them.
  for (size_t i = 1; i < searches.size() && i < kSearchesTried; ++i) {
    for (const char* code : {"S#4", "S#5", "J#4", "J#6", "W#1", "C#1", "R#1", "P#1", "D#1"}) {
      session.Run(*FindReportByCode(code), searches[i]);
    }
  }
}

}  // namespace

void Require(bool condition, const char* message) {
  if (!condition) throw ExerciseFailure(message);
}

void ExerciseDatabase(FuzzInput input, const std::string& logDir) {
  ExtractStore store;
  LoadExtractTexts(std::move(input.Texts), store);
  Require(!store.ExtractsMissing, "a load from texts misses a file");
  Catalogue catalogue;
  BuildCatalogue(store, catalogue);
  Require(catalogue.Totals.ScheduleBlockCount == store.ScheduleBlockCount,
          "the catalogue counts other blocks than the store");

  const CatalogueObjects objects = ObjectsOf(catalogue);
  ShowPages(store, catalogue, objects, input.Searches);
  Settings settings;
  settings.LogDir = logDir;
  RunReports(store, catalogue, objects, input.Searches, settings);
}

}  // namespace vdbq::testing
