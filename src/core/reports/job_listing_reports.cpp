#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/reports/entry_runs.h"
#include "core/reports/job_usage_report.h"
#include "core/reports/key_parts.h"
#include "core/reports/report_frame.h"
#include "core/reports/report_routines.h"
#include "core/reports/schedule_follows_reader.h"
#include "core/reports/usage_answers.h"
#include "core/text/collation_sort.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// Joins a job key and the rest of its header line in one sortable scratch line.
constexpr std::string_view kClauseSeparator = "@S@T@U@";

// Calls visit(line, key) for every job header line. Line 0 is looked at even in an empty file.
template <typename Visit>
void ForEachJobHeader(ReportContext& ctx, Visit visit) {
  const ExtractStore& store = ctx.Store;
  long long i = 0;
  do {
    ctx.Progress.Tick();
    std::string_view line = store.JobLines.At(i);
    if (IsJobDefinitionLine(line)) visit(line, JobKeyOfLine(line));
  } while (++i < store.JobLineCount);
}

std::string CountText(size_t n) { return std::to_string(n); }

}  // namespace

std::string CollectScheduledJobs(const ExtractStore& store, Progress& progress) {
  std::string list;
  const LineList& lines = store.ScheduleLines;
  const long long count = lines.Count();
  long long i = 0;
  while (i < count) {
    progress.Tick();
    std::string_view line = lines.At(i);
    if (!StartsWith(line, "SCHEDULE ") || !Contains(line, "#")) {
      ++i;
      continue;
    }
    const std::string key = TrimBlanks(CopyFrom(line, 10));
    const std::string workstation = ScheduleWorkstation(key);
    const long long section = ReadScheduleFollows(lines, i + 1, workstation, progress).NextLine;
    const ScheduleJobs jobs = ReadScheduleJobs(lines, section, workstation, progress);
    list += jobs.Jobs;
    i = jobs.NextLine;
  }
  return list;
}

void RunJ1(ReportContext& ctx) {
  BeginReport(ctx, {11,
                    "J#1",
                    "Job Report - Option #1",
                    "All Workstation/Job",
                    {100, 300, 0, 0, 0, 0, 0, 0, 0},
                    true});
  std::vector<std::string> scratch;
  ForEachJobHeader(
      ctx, [&scratch](std::string_view, std::string key) { scratch.push_back(std::move(key)); });
  SortScratchLines(scratch);
  for (const std::string& line : scratch) {
    ctx.Progress.Tick();
    KeyParts parts = SplitKey(line);
    ctx.Results.AddRow(std::move(parts.Workstation), {std::move(parts.Name)});
  }
  FinishReport(ctx, "Found " + CountText(scratch.size()) + " Job(s)... Ready.");
}

void RunJ2(ReportContext& ctx) {
  BeginReport(ctx, {12,
                    "J#2",
                    "Job Report - Option #2",
                    "All Job/Workstation",
                    {200, 0, 100, 0, 0, 0, 0, 0, 0},
                    true});
  std::vector<std::string> scratch;
  ForEachJobHeader(ctx, [&scratch](std::string_view, const std::string& key) {
    const size_t hash = key.find('#');
    if (hash == std::string::npos) return;
    scratch.push_back(key.substr(hash + 1) + "#" + key.substr(0, hash));
  });
  SortScratchLines(scratch);
  std::string previousName;
  for (const std::string& line : scratch) {
    ctx.Progress.Tick();
    // The scratch line is name#workstation, so the key's halves come out swapped.
    KeyParts parts = SplitKey(line);
    std::string mark = parts.Workstation == previousName ? "1" : "";
    previousName = parts.Workstation;
    ctx.Results.AddRow(std::move(parts.Workstation), {std::move(mark), std::move(parts.Name)});
  }
  FinishReport(ctx, "Found " + CountText(scratch.size()) + " Job(s)... Ready.");
}

void RunJ3(ReportContext& ctx) {
  if (!ValidateSearchText(ctx.Panel, false)) return;
  const std::string search = ctx.Panel.SearchText;
  BeginReport(ctx, {13,
                    "J#3",
                    "Job Report - Option #3",
                    "String Search Result",
                    {100, 300, 0, 0, 0, 0, 0, 0, 0},
                    false});
  std::vector<std::string> scratch;
  ForEachJobHeader(ctx, [&scratch, &search](std::string_view, std::string key) {
    if (Contains(key, search)) scratch.push_back(std::move(key));
  });
  SortScratchLines(scratch);
  for (const std::string& line : scratch) {
    ctx.Progress.Tick();
    if (line.empty()) continue;
    KeyParts parts = SplitKey(line);
    ctx.Results.AddRow(std::move(parts.Workstation), {std::move(parts.Name)});
  }
  FinishReport(ctx,
               "Found " + CountText(scratch.size()) + " Occurrences of <" + search + ">... Ready.");
}

void RunJ5(ReportContext& ctx) {
  BeginReport(ctx, {15,
                    "J#5",
                    "Job Report - Option #5",
                    "All Un-Scheduled Jobs",
                    {100, 350, 0, 0, 0, 0, 0, 0, 0},
                    true});
  std::vector<std::string> scratch;
  ForEachJobHeader(
      ctx, [&scratch](std::string_view, std::string key) { scratch.push_back(std::move(key)); });
  SortScratchLines(scratch);

  // The page is on show while the schedules are read.
  ctx.Results.ResultsShown = true;
  if (ctx.ShowReportPage) ctx.ShowReportPage();

  std::optional<std::string>& list = ctx.Catalogue.ScheduledJobList;
  if (!list || list->empty()) list = CollectScheduledJobs(ctx.Store, ctx.Progress);
  // Keys with commas are scheduled when the list holds them as runs of entries.
  const EntryRuns scheduled(*list, scratch);

  size_t found = 0;
  for (const std::string& key : scratch) {
    ctx.Progress.Tick();
    if (scheduled.Holds(key)) continue;
    KeyParts parts = SplitKey(key);
    ctx.Results.AddRow(std::move(parts.Workstation), {std::move(parts.Name)});
    ++found;
  }
  FinishReport(ctx, "Found " + CountText(found) + " Un-Scheduled Job(s)... Ready.");
}

void RunJ6(ReportContext& ctx) {
  const std::string search = ctx.Panel.SearchText;
  BeginReport(ctx, {16,
                    "J#6",
                    "Job Report - Option #6",
                    "Find: " + search,
                    {100, 250, 500, 0, 0, 0, 0, 0, 0},
                    false});
  std::vector<std::string> scratch;
  ForEachJobHeader(ctx, [&scratch, &search](std::string_view line, const std::string& key) {
    const std::string rest = CopyFrom(line, Find(" ", line) + 1);
    if (!Contains(UpperCase(rest), search)) return;
    std::string joined = key;
    joined += kClauseSeparator;
    scratch.push_back(joined + rest);
  });
  SortScratchLines(scratch);
  size_t found = 0;
  for (const std::string& line : scratch) {
    ctx.Progress.Tick();
    const size_t separator = line.find(kClauseSeparator);
    const std::string_view key = std::string_view(line).substr(0, separator);
    if (key.empty()) continue;
    KeyParts parts = SplitKey(key);
    ctx.Results.AddRow(std::move(parts.Workstation),
                       {std::move(parts.Name), line.substr(separator + kClauseSeparator.size())});
    ++found;
  }
  FinishReport(ctx, "Found " + CountText(found) + " Job(s) containing <" + search + ">... Ready.");
}

}  // namespace vdbq
