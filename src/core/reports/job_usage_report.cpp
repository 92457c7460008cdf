#include "core/reports/job_usage_report.h"

#include <algorithm>

#include "core/catalogue/catalogue.h"
#include "core/definitions/definition_lines.h"
#include "core/definitions/follows_clauses.h"
#include "core/reports/report_frame.h"
#include "core/reports/report_routines.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

constexpr size_t kScheduleNameLength = 16;

// The first entry of a comma-separated list that names the job; entries end at the first
// empty one. "" when none does.
std::string FirstEntryNaming(std::string_view list, std::string_view job, bool& found) {
  size_t start = 0;
  while (start < list.size()) {
    const size_t comma = list.find(',', start);
    const size_t end = comma == std::string_view::npos ? list.size() : comma;
    const std::string_view entry = list.substr(start, end - start);
    if (entry.empty()) break;
    if (EntryNamesJob(entry, job)) {
      found = true;
      return std::string(entry);
    }
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return {};
}

bool JobIsDefined(const ExtractStore& store, const std::string& job, Progress& progress) {
  for (long long i = 0; i < store.JobLineCount; ++i) {
    progress.Tick();
    std::string_view line = store.JobLines.At(i);
    if (!IsJobDefinitionLine(line)) continue;
    const std::string key = TrimBlanks(JobKeyOfLine(line));
    const size_t hash = key.find('#');
    const std::string_view name =
        hash == std::string::npos ? std::string_view(key) : std::string_view(key).substr(hash + 1);
    if (job == key || job == name) return true;
  }
  return false;
}

}  // namespace

bool EntryNamesJob(std::string_view entry, std::string_view job) {
  if (job.empty() || entry.size() < job.size()) return false;
  if (entry.size() == job.size()) return entry == job;
  if (entry.substr(entry.size() - job.size()) != job) return false;
  const char before = entry[entry.size() - job.size() - 1];
  return before == '#' || before == '.';
}

long long AppendScheduleJobs(const LineList& lines, long long start, std::string_view workstation,
                             Progress& progress, std::string& jobs, std::string& dependencies) {
  const long long count = lines.Count();
  // Continuation lines are all read as dependencies, even an "END" among them, which still
  // ends the section after its clause.
  const Continuation how{workstation, Qualification::kAnyText, true, {}};
  auto tick = [&progress] { progress.Tick(); };
  // Views into the lines: the section is read without a copy per line.
  std::string_view current;
  long long j = std::max(0LL, start);
  while (j < count) {
    tick();
    std::string_view line = lines.At(j);
    if (!line.empty()) {
      current = TrimBlanksView(line);
      if (StartsWith(current, "FOLLOWS ")) {
        current = WithoutJobOptions(current);
        AppendQualified(dependencies,
                        TrimBlanksView(current.substr(std::min<size_t>(current.size(), 8))),
                        workstation, how.Rule);
        long long next = j + 1;
        const ContinuationEnd continued =
            ContinueClause(lines, next, count, dependencies, how, tick);
        if (next > j + 1) current = continued.Last;
        j = next - 1;
        if (!dependencies.empty()) dependencies += ',';
      } else if (!IsCommentLine(current) &&
                 !IsJobClauseLine(current, JobClauseKeywords::kListing) &&
                 !IsDefinitionEndLine(current)) {
        current = WithoutJobOptions(current);
        if (FindByteOf(current, 0, '#', '#') != std::string_view::npos) {
          jobs += TrimBlanksView(current);
        } else {
          jobs += workstation;
          jobs += '#';
          jobs += current;
        }
        jobs += ',';
      }
    }
    ++j;
    if (IsDefinitionEndLine(current)) break;
  }
  return j;
}

ScheduleJobs ReadScheduleJobs(const LineList& lines, long long start, std::string_view workstation,
                              Progress& progress) {
  ScheduleJobs result;
  result.NextLine =
      AppendScheduleJobs(lines, start, workstation, progress, result.Jobs, result.Dependencies);
  return result;
}

void RunJ4(ReportContext& ctx) {
  ReportPanel& panel = ctx.Panel;
  if (!ValidateSearchText(panel, false)) return;
  const std::string job = panel.SearchText;
  // Audited before the job check, so a run for a job that does not exist leaves its line too.
  ctx.Audit.AppendAuditLine(AuditTextFor("J#4", job));
  if (!JobIsDefined(ctx.Store, job, ctx.Progress)) {
    panel.StatusText = "JobName : " + job + " Is An Invalid JobName!";
    return;
  }

  ResultList& results = ctx.Results;
  results.ReportNumber = 14;
  results.Title = "Job Report - Option #4";
  results.Subtitle = job;
  results.Clear();
  results.SetWidths({100, 150, 100, 200, 200, 0, 0, 0, 0});
  results.AddRow("Workstation", {"Appears In Schedule", "As Schedule Dependency", "As Job Name",
                                 "As Job Dependency"});

  const LineList& lines = ctx.Store.ScheduleLines;
  const long long count = lines.Count();
  long long found = 0;
  long long i = 0;
  while (i < count) {
    ctx.Progress.Tick();
    std::string_view line = lines.At(i);
    if (!IsScheduleHeaderLine(line)) {
      ++i;
      continue;
    }
    const std::string key(ScheduleKeyOfLine(line));
    const std::string workstation(ScheduleWorkstationOf(key));
    const std::string name = key.substr(key.find('#') + 1, kScheduleNameLength);
    const FollowsRead follows =
        ReadScheduleFollows(lines, i + 1, count, workstation, [&ctx] { ctx.Progress.Tick(); });
    const ScheduleJobs jobs = ReadScheduleJobs(lines, follows.NextLine, workstation, ctx.Progress);
    bool used = false;
    std::string asDependency = FirstEntryNaming(follows.Text, job, used);
    std::string asJob = FirstEntryNaming(jobs.Jobs, job, used);
    std::string asJobDependency = FirstEntryNaming(jobs.Dependencies, job, used);
    if (used) {
      results.AddRow(workstation,
                     {name, std::move(asDependency), std::move(asJob), std::move(asJobDependency)});
      ++found;
    }
    i = jobs.NextLine;
  }

  FinishReport(
      ctx, "Found " + std::to_string(found) + " Schedule(s) containing <" + job + ">... Ready.");
}

}  // namespace vdbq
