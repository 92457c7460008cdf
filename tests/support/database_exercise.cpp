#include "support/database_exercise.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <set>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "core/audit/audit_log.h"
#include "core/catalogue/catalogue.h"
#include "core/check/check_database.h"
#include "core/diff/database_diff.h"
#include "core/graph/job_graph.h"
#include "core/graph/schedule_graph.h"
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
  NameListPage parameter;
  NameListPage prompt;
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

// The check: every finding under a known rule with its severity, at a line a person can find,
// in the promised order.
void RunCheck(const ExtractStore& store, const Catalogue& catalogue) {
  Progress progress;
  const std::vector<Finding> findings =
      CheckDatabase(store, catalogue, CheckOptions{DayOf(2027, 1, 4)}, progress);
  for (const Finding& finding : findings) {
    const RuleInfo* rule = FindRule(finding.Rule);
    Require(rule != nullptr && rule->Severity == finding.Severity,
            "a finding has an unknown rule or another severity than its rule");
    Require(finding.Line.Value >= 1, "a finding stands before the first line");
  }
  Require(std::is_sorted(findings.begin(), findings.end(),
                         [](const Finding& a, const Finding& b) {
                           return std::tie(a.File, a.Line, a.Rule) <
                                  std::tie(b.File, b.Line, b.Rule);
                         }),
          "the findings are not sorted by file, line and rule");
  const FindingTotals totals = CountFindings(findings);
  Require(totals.Errors + totals.Warnings == static_cast<long long>(findings.size()),
          "the totals do not count every finding");
}

// The answer around a schedule: the root at no steps, sorted unique keys, edges between its
// nodes only, and steps that no edge could shorten (a breadth-first walk without a limit).
void CheckNeighbourhood(const ScheduleGraph& graph, int root) {
  const Neighbourhood around = graph.Around(root, kUnlimitedSteps, kUnlimitedSteps);
  std::vector<int> upOf(static_cast<size_t>(graph.NodeCount()), -2);
  std::vector<int> downOf(upOf.size(), -2);
  for (size_t i = 0; i < around.Nodes.size(); ++i) {
    const GraphNodeSteps& steps = around.Nodes[i];
    Require(i == 0 || graph.Key(around.Nodes[i - 1].Node) < graph.Key(steps.Node),
            "the graph's nodes are not sorted by key");
    Require(steps.Node == root ? steps.Up == 0 && steps.Down == 0 : steps.Up > 0 || steps.Down > 0,
            "a node of the graph is not reached from its root");
    upOf[static_cast<size_t>(steps.Node)] = steps.Up;
    downOf[static_cast<size_t>(steps.Node)] = steps.Down;
  }
  Require(upOf[static_cast<size_t>(root)] == 0, "the graph around a schedule lacks it");
  for (int e : around.Edges) {
    const ScheduleEdge& edge = graph.Edge(e);
    const auto from = static_cast<size_t>(edge.From);
    const auto to = static_cast<size_t>(edge.To);
    Require(upOf[from] != -2 && upOf[to] != -2, "an edge leaves the graph's nodes");
    Require(upOf[to] < 0 || (upOf[from] >= 0 && upOf[from] <= upOf[to] + 1),
            "an edge gives a shorter way up than the steps say");
    Require(downOf[from] < 0 || (downOf[to] >= 0 && downOf[to] <= downOf[from] + 1),
            "an edge gives a shorter way down than the steps say");
  }
  std::set<int> waitedFor{root};
  for (int e : graph.InEdges(root)) waitedFor.insert(graph.Edge(e).From);
  Require(graph.Around(root, 1, 0).Nodes.size() == waitedFor.size(),
          "one step up does not give the schedules the root waits for");
}

void CheckJobGraph(const ScheduleGraph& graph, const ExtractStore& store, int node) {
  const JobGraph jobs = ReadJobGraph(store.ScheduleLines, graph.DefinitionLine(node));
  for (size_t i = 1; i < jobs.Nodes.size(); ++i) {
    Require(jobs.Nodes[i - 1].Key < jobs.Nodes[i].Key, "the job graph's nodes are not sorted");
  }
  for (const auto& [from, to] : jobs.Edges) {
    Require(from >= 0 && to >= 0 && static_cast<size_t>(std::max(from, to)) < jobs.Nodes.size(),
            "a job graph's edge points past its nodes");
  }
}

// Both graphs of the schedules the catalogue lists and of the input's texts.
void ShowGraphs(const ExtractStore& store, const Catalogue& catalogue,
                const CatalogueObjects& objects, const std::vector<std::string>& searches) {
  const std::shared_ptr<const ScheduleGraph> graph = ScheduleGraphOf(store, catalogue);
  std::vector<std::string> keys;
  for (const Key& key : objects.Schedules) keys.push_back(KeyText(key));
  for (size_t i = 0; i < searches.size() && i < kSearchesTried; ++i) keys.push_back(searches[i]);
  for (const std::string& key : keys) {
    const int node = graph->Find(key);
    if (node < 0) continue;
    Require(graph->Key(node) == key, "the graph finds another schedule than the one asked for");
    CheckNeighbourhood(*graph, node);
    if (graph->Defined(node)) CheckJobGraph(*graph, store, node);
  }
}

// The text with its middle line dropped and its first line added at the end: a change of a
// few objects, as a day's extracts bring.
std::string MutatedCopy(const std::string& text) {
  const size_t middle = text.size() / 2;
  const size_t lineStart =
      text.rfind('\n', middle) == std::string::npos ? 0 : text.rfind('\n', middle) + 1;
  const size_t lineEnd = std::min(text.find('\n', middle), text.size());
  std::string copy = text.substr(0, lineStart) + text.substr(std::min(lineEnd + 1, text.size()));
  return copy + "\n" + text.substr(0, text.find('\n'));
}

size_t CountMarks(const KindChanges& changes, char mark) {
  size_t count = 0;
  for (const ChangedObject& changed : changes.Changed) {
    for (const DiffLine& line : changed.Lines) count += line.Mark == mark ? 1 : 0;
  }
  return count;
}

// Each file against a changed copy of itself, both ways: what one way adds the other removes,
// the same keys change, and the lines one way takes out the other puts in.
void CompareWithMutatedCopy(const ExtractTexts& texts) {
  for (ObjectKind kind : kObjectKinds) {
    const auto file = std::find_if(
        std::begin(kExtractLoadOrder), std::end(kExtractLoadOrder),
        [kind](const char* name) { return std::string_view(name) == ExtractFileOf(kind); });
    const std::string& text = texts[static_cast<size_t>(file - std::begin(kExtractLoadOrder))];
    const std::string mutated = MutatedCopy(text);
    const KindChanges forth = DiffExtract(kind, text, mutated);
    const KindChanges back = DiffExtract(kind, mutated, text);
    Require(forth.Added == back.Removed && forth.Removed == back.Added,
            "the diff adds one way what it does not remove the other way");
    Require(forth.Changed.size() == back.Changed.size(), "the diff changes other objects back");
    for (size_t i = 0; i < forth.Changed.size(); ++i) {
      Require(forth.Changed[i].Key == back.Changed[i].Key, "the diff changes other keys back");
    }
    Require(CountMarks(forth, '-') == CountMarks(back, '+') &&
                CountMarks(forth, '+') == CountMarks(back, '-'),
            "the diff's lines taken out one way are not put in the other way");
  }
}

}  // namespace

void Require(bool condition, const char* message) {
  if (!condition) throw ExerciseFailure(message);
}

void ExerciseDatabase(FuzzInput input, const std::string& logDir) {
  CompareWithMutatedCopy(input.Texts);
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
  ShowGraphs(store, catalogue, objects, input.Searches);
  RunCheck(store, catalogue);
}

}  // namespace vdbq::testing
