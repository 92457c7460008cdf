#include "core/reports/job_usage_report.h"

#include <algorithm>
#include <array>
#include <cstring>

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

bool IsIgnoredJobClause(std::string_view text) {
  // Most job lines start with a workstation or job name that no keyword starts like.
  switch (text.empty() ? '\0' : text.front()) {
    case 'C':
    case 'E':
    case 'N':
    case 'O':
    case 'P':
    case 'S':
    case 'U':
      break;
    default:
      return false;
  }
  if (text == "CONFIRMED" || text == "END") return true;
  return std::any_of(kIgnoredJobClauses.begin(), kIgnoredJobClauses.end(),
                     [text](std::string_view keyword) { return StartsWith(text, keyword); });
}

bool HoldsHash(std::string_view line) {
  return FindByteOf(line, 0, '#', '#') != std::string_view::npos;
}

// Whether word stands in text at `at`; a compare of known length, which needs no call.
template <size_t N>
bool WordAt(std::string_view text, size_t at, const char (&word)[N]) {
  return text.size() - at >= N - 1 && std::memcmp(text.data() + at, word, N - 1) == 0;
}

// Takes a trailing CONFIRMED or PRIORITY clause off a job or FOLLOWS line, as SplitJobOptions
// does, but as a view into the line: the clause records are not wanted here. It looks for the
// first CONFIRMED, else the first PRIORITY; a word at the very start is no clause.
std::string_view WithoutJobOptions(std::string_view text) {
  // Either clause counts only after a blank or a TAB; most job lines hold neither.
  if (FindByteOf(text, 0, ' ', '\t') == std::string_view::npos) return text;
  auto separatorBefore = [text](size_t at) { return text[at - 1] == ' ' || text[at - 1] == '\t'; };
  const bool confirmedAtStart = StartsWith(text, "CONFIRMED");
  size_t priority = StartsWith(text, "PRIORITY") ? 0 : std::string_view::npos;
  // Both words are looked for in one pass over the places of their first letters.
  for (size_t at = FindByteOf(text, 1, 'C', 'P'); at != std::string_view::npos;
       at = FindByteOf(text, at + 1, 'C', 'P')) {
    if (text[at] == 'C' && !confirmedAtStart && WordAt(text, at, "CONFIRMED")) {
      return separatorBefore(at) ? TrimmedView(text.substr(0, at)) : text;
    }
    if (text[at] == 'P' && priority == std::string_view::npos && WordAt(text, at, "PRIORITY")) {
      priority = at;
    }
  }
  if (priority != std::string_view::npos && priority >= 1 && separatorBefore(priority)) {
    return TrimmedView(text.substr(0, priority));
  }
  return text;
}

// Appends text, part of line, with workstation + "#" in front when line holds no "#".
void AppendQualified(std::string& out, std::string_view workstation, std::string_view line,
                     std::string_view text) {
  if (!HoldsHash(line)) {
    out += workstation;
    out += '#';
  }
  out += text;
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

long long AppendScheduleJobs(const LineList& lines, long long start, std::string_view workstation,
                             Progress& progress, std::string& jobs, std::string& dependencies) {
  const long long count = lines.Count();
  // Views into the lines: the section is read without a copy per line.
  std::string_view current;
  long long j = std::max(0LL, start);
  while (j < count) {
    progress.Tick();
    std::string_view line = lines.At(j);
    if (!line.empty()) {
      current = TrimmedView(line);
      const bool comment = !current.empty() && current.front() == '*';
      if (!comment && !StartsWith(current, "AT ")) {
        if (StartsWith(current, "FOLLOWS ")) {
          current = WithoutJobOptions(current);
          const std::string_view text =
              TrimmedView(current.substr(std::min<size_t>(current.size(), 8)));
          AppendQualified(dependencies, workstation, current, text);
          while (!dependencies.empty() && dependencies.back() == ',' && j + 1 < count) {
            progress.Tick();
            current = WithoutJobOptions(TrimmedView(lines.At(++j)));
            AppendQualified(dependencies, workstation, current, current);
          }
          if (!dependencies.empty()) dependencies += ',';
        } else if (!IsIgnoredJobClause(current)) {
          current = WithoutJobOptions(current);
          if (HoldsHash(current)) {
            jobs += TrimmedView(current);
          } else {
            jobs += workstation;
            jobs += '#';
            jobs += current;
          }
          jobs += ',';
        }
      }
    }
    ++j;
    if (current == "END") break;
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
