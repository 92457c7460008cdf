#include "core/reports/job_usage_report.h"

#include <algorithm>
#include <array>

#include "core/catalogue/catalogue.h"
#include "core/reports/report_frame.h"
#include "core/reports/report_routines.h"
#include "core/reports/schedule_follows_reader.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

constexpr size_t kScheduleNameLength = 16;

constexpr std::array<std::string_view, 9> kIgnoredJobClauses{
    "PROMPT ", "OPENS ",      "NEEDS ",       "PRIORITY ", "EVERY ",
    "UNTIL ",  "SCRIPTNAME ", "STREAMLOGON ", "ONUNTIL "};

bool IsIgnoredJobClause(const std::string& text) {
  if (text == "CONFIRMED" || text == "END") return true;
  return std::any_of(kIgnoredJobClauses.begin(), kIgnoredJobClauses.end(),
                     [&text](std::string_view keyword) { return StartsWith(text, keyword); });
}

// Takes a trailing CONFIRMED or PRIORITY clause off a job or FOLLOWS line.
std::string WithoutJobOptions(std::string text) {
  JobOptionState state;
  state.CurrentLine = std::move(text);
  SplitJobOptions(state);
  return std::move(state.CurrentLine);
}

std::string WithWorkstation(std::string_view workstation, const std::string& text) {
  std::string qualified(workstation);
  qualified += '#';
  return qualified + text;
}

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

std::string ScheduleWorkstation(std::string_view scheduleKey) {
  constexpr size_t kWorkstationLength = 50;
  return std::string(scheduleKey.substr(0, std::min(scheduleKey.find('#'), kWorkstationLength)));
}

bool EntryNamesJob(std::string_view entry, std::string_view job) {
  if (job.empty() || entry.size() < job.size()) return false;
  if (entry.size() == job.size()) return entry == job;
  if (entry.substr(entry.size() - job.size()) != job) return false;
  const char before = entry[entry.size() - job.size() - 1];
  return before == '#' || before == '.';
}

ScheduleJobs ReadScheduleJobs(const LineList& lines, long long start, std::string_view workstation,
                              Progress& progress) {
  ScheduleJobs result;
  const long long count = lines.Count();
  std::string current;
  long long j = std::max(0LL, start);
  while (j < count) {
    progress.Tick();
    std::string_view line = lines.At(j);
    if (!line.empty()) {
      current = TrimBlanks(line);
      const bool comment = !current.empty() && current.front() == '*';
      if (!comment && !StartsWith(current, "AT ")) {
        if (StartsWith(current, "FOLLOWS ")) {
          current = WithoutJobOptions(std::move(current));
          const std::string text = TrimBlanks(CopyFrom(current, 9));
          result.Dependencies += Contains(current, "#") ? text : WithWorkstation(workstation, text);
          while (!result.Dependencies.empty() && result.Dependencies.back() == ',' &&
                 j + 1 < count) {
            progress.Tick();
            current = WithoutJobOptions(TrimBlanks(lines.At(++j)));
            result.Dependencies +=
                Contains(current, "#") ? current : WithWorkstation(workstation, current);
          }
          if (!result.Dependencies.empty()) result.Dependencies += ',';
        } else if (!IsIgnoredJobClause(current)) {
          current = WithoutJobOptions(std::move(current));
          result.Jobs +=
              Contains(current, "#") ? TrimBlanks(current) : WithWorkstation(workstation, current);
          result.Jobs += ',';
        }
      }
    }
    ++j;
    if (current == "END") break;
  }
  result.NextLine = j;
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
  results.LabRepTit1 = "Job Report - Option #4";
  results.LabRepTit2 = job;
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
    if (!StartsWith(line, "SCHEDULE ") || !Contains(line, "#")) {
      ++i;
      continue;
    }
    const std::string key = TrimBlanks(CopyFrom(line, 10));
    const std::string workstation = ScheduleWorkstation(key);
    const std::string name = key.substr(key.find('#') + 1, kScheduleNameLength);
    const ScheduleFollows follows = ReadScheduleFollows(lines, i + 1, workstation, ctx.Progress);
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
