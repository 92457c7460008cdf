#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/catalogue/job_line_order.h"
#include "core/definitions/definition_lines.h"
#include "core/definitions/follows_clauses.h"
#include "core/memory/huge_pages.h"
#include "core/reports/entry_runs.h"
#include "core/reports/job_usage_report.h"
#include "core/reports/key_parts.h"
#include "core/reports/report_frame.h"
#include "core/reports/report_routines.h"
#include "core/reports/usage_answers.h"
#include "core/text/collation_sort.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// Joins a job key and the rest of its header line in one sortable scratch line.
constexpr std::string_view kClauseSeparator = "@S@T@U@";

// How far ahead of the row being built a listing asks for the key bytes of a later row.
constexpr size_t kKeysAhead = 16;

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

// Reserves room for size bytes on huge pages, so that writing megabytes into fresh memory
// takes a page fault per 2 MB instead of one per 4 KB.
void ReserveOnHugePages(std::string& text, size_t size) {
  text.reserve(size);
  AdviseHugePages(text.data(), text.capacity());
}

}  // namespace

std::string CollectScheduledJobs(const ExtractStore& store, Progress& progress) {
  const LineList& lines = store.ScheduleLines;
  const long long count = lines.Count();
  std::string list;
  if (count > 0) {
    // The schedules' bytes are room enough as a rule; the list is written once at its place
    // instead of being copied as it grows. Room not written to is never mapped.
    const std::string_view last = lines.At(count - 1);
    ReserveOnHugePages(list, lines.OffsetOf(last) + last.size() - lines.OffsetOf(lines.At(0)));
  }
  std::string dependencies;
  auto tick = [&progress] { progress.Tick(); };
  long long i = 0;
  while (i < count) {
    progress.Tick();
    std::string_view line = lines.At(i);
    if (!IsScheduleHeaderLine(line)) {
      ++i;
      continue;
    }
    const std::string_view workstation = ScheduleWorkstationOf(ScheduleKeyOfLine(line));
    const long long section = ReadScheduleFollows(lines, i + 1, count, workstation, tick).NextLine;
    dependencies.clear();
    i = AppendScheduleJobs(lines, section, workstation, progress, list, dependencies);
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
  // The sorted keys, read from the job lines in the order kept for this jobs file.
  const JobKeyOrder sorted = JobKeysSortedByKey(ctx.Store, ctx.Catalogue);
  ctx.Results.Rows.reserve(sorted.size());
  for (size_t k = 0; k < sorted.size(); ++k) {
    ctx.Progress.Tick();
    sorted.Prefetch(k + kKeysAhead);
    const KeyViews parts = SplitKeyView(sorted[k]);
    ctx.Results.AddRowOf(parts.Workstation, {parts.Name});
  }
  FinishReport(ctx, "Found " + CountText(sorted.size()) + " Job(s)... Ready.");
}

void RunJ2(ReportContext& ctx) {
  BeginReport(ctx, {12,
                    "J#2",
                    "Job Report - Option #2",
                    "All Job/Workstation",
                    {200, 0, 100, 0, 0, 0, 0, 0, 0},
                    true});
  // The keys with "#" in the order of name#workstation, kept for this jobs file.
  const JobKeyOrder sorted = JobKeysSortedByName(ctx.Store, ctx.Catalogue);
  ctx.Results.Rows.reserve(sorted.size());
  std::string_view previousName;
  for (size_t k = 0; k < sorted.size(); ++k) {
    ctx.Progress.Tick();
    sorted.Prefetch(k + kKeysAhead);
    // The row splits name#workstation at its first "#", which may lie inside the name.
    const std::string_view key = sorted[k];
    const size_t hash = key.find('#');
    const std::string_view name = key.substr(hash + 1);
    const size_t nameHash = name.find('#');
    const std::string_view caption = name.substr(0, nameHash);
    const std::string_view mark = caption == previousName ? "1" : "";
    previousName = caption;
    if (nameHash == std::string_view::npos) {
      ctx.Results.AddRowOf(caption, {mark, key.substr(0, hash)});
    } else {
      const std::string rest =
          std::string(name.substr(nameHash + 1)) + "#" + std::string(key.substr(0, hash));
      ctx.Results.AddRowOf(caption, {mark, rest});
    }
  }
  FinishReport(ctx, "Found " + CountText(sorted.size()) + " Job(s)... Ready.");
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
  const JobKeyOrder sorted = JobKeysSortedByKey(ctx.Store, ctx.Catalogue);
  std::vector<std::string_view> scratch;
  scratch.reserve(sorted.size());
  for (size_t k = 0; k < sorted.size(); ++k) {
    sorted.Prefetch(k + kKeysAhead);
    scratch.push_back(sorted[k]);
  }

  // The page is on show while the schedules are read.
  ctx.Results.ResultsShown = true;
  if (ctx.ShowReportPage) ctx.ShowReportPage();

  std::optional<std::string>& list = ctx.Catalogue.ScheduledJobList;
  if (!list || list->empty()) list = CollectScheduledJobs(ctx.Store, ctx.Progress);
  // A key is scheduled when it is one of the list's entries; keys with commas are scheduled
  // when the list holds them as runs of entries.
  bool withComma = false;
  const std::vector<char> entries = EntriesAmong(*list, scratch, &withComma);
  std::optional<EntryRuns> runs;
  if (withComma) runs.emplace(EntryRuns::OfViews(*list, scratch));

  size_t found = 0;
  for (size_t k = 0; k < scratch.size(); ++k) {
    ctx.Progress.Tick();
    const std::string_view key = scratch[k];
    if (entries[k] || (runs && runs->Holds(key))) continue;
    const KeyViews parts = SplitKeyView(key);
    ctx.Results.AddRowOf(parts.Workstation, {parts.Name});
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
  // The scratch lines stand back to back in one text; views into it are sorted.
  // The matching lines are found first, so that the joined text is made once at its size.
  std::vector<std::string_view> matching;
  size_t total = 0;
  std::string upper;
  long long i = 0;
  do {
    ctx.Progress.Tick();
    const std::string_view line = ctx.Store.JobLines.At(i);
    if (!IsJobDefinitionLine(line)) continue;
    const size_t blank = line.find(' ');
    const std::string_view rest = blank == std::string_view::npos ? line : line.substr(blank + 1);
    upper.assign(rest);
    for (char& c : upper) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    if (!Contains(upper, search)) continue;
    matching.push_back(line);
    total += JobKeyView(line).size() + kClauseSeparator.size() + rest.size();
  } while (++i < ctx.Store.JobLineCount);
  std::string joinedLines;
  joinedLines.reserve(total);
  std::vector<std::string_view> scratch;
  scratch.reserve(matching.size());
  for (std::string_view line : matching) {
    const size_t blank = line.find(' ');
    const std::string_view rest = blank == std::string_view::npos ? line : line.substr(blank + 1);
    const size_t at = joinedLines.size();
    joinedLines.append(JobKeyView(line)).append(kClauseSeparator).append(rest);
    scratch.push_back(std::string_view(joinedLines).substr(at));
  }
  std::vector<std::string_view>().swap(matching);
  size_t found = 0;
  for (size_t index : CollationOrder(scratch)) {
    ctx.Progress.Tick();
    const std::string_view line = scratch[index];
    const size_t separator = line.find(kClauseSeparator);
    const std::string_view key = line.substr(0, separator);
    if (key.empty()) continue;
    const KeyViews parts = SplitKeyView(key);
    ctx.Results.AddRowOf(parts.Workstation,
                         {parts.Name, line.substr(separator + kClauseSeparator.size())});
    ++found;
  }
  FinishReport(ctx, "Found " + CountText(found) + " Job(s) containing <" + search + ">... Ready.");
}

}  // namespace vdbq
