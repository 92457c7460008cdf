#include <algorithm>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/reports/key_parts.h"
#include "core/reports/report_frame.h"
#include "core/reports/report_routines.h"
#include "core/text/collation_sort.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

constexpr const char* kInvalidWorkstation = "Invalid Workstation Name Entered!";

// The search text as typed must be a whole defined workstation name.
bool AcceptWorkstation(ReportContext& ctx) {
  if (ctx.Catalogue.IsDefinedCpu(ctx.Panel.SearchText)) return true;
  ctx.Panel.StatusText = kInvalidWorkstation;
  ctx.Panel.FocusSearchRequested = true;
  return false;
}

void AddNameRows(ReportContext& ctx, std::vector<std::string>& names) {
  SortScratchLines(names);
  for (std::string& name : names) {
    ctx.Progress.Tick();
    ctx.Results.AddRow(ctx.Panel.SearchText, {std::move(name)});
  }
}

// The schedule names of one workstation, one SCHEDULE line per block: after a SCHEDULE line the
// walk goes on at the first line of the next block.
std::vector<std::string> SchedulesOf(ReportContext& ctx, const std::string& workstation) {
  const ExtractStore& store = ctx.Store;
  std::vector<std::string> names;
  long long line = 0;
  while (line < store.ScheduleLineCount) {
    ctx.Progress.Tick();
    std::string_view text = store.ScheduleLines.At(line);
    if (!StartsWith(text, "SCHEDULE ")) {
      ++line;
      continue;
    }
    if (Contains(text, "#")) {
      KeyParts parts = SplitKey(CopyFrom(text, 10));
      if (parts.Workstation == workstation) names.push_back(std::move(parts.Name));
    }
    line = std::max(line + 1, store.NextBlockStart(line));
  }
  return names;
}

std::vector<std::string> JobsOf(ReportContext& ctx, const std::string& workstation) {
  const ExtractStore& store = ctx.Store;
  std::vector<std::string> names;
  for (long long i = 0; i < store.JobLineCount; ++i) {
    ctx.Progress.Tick();
    std::string_view line = store.JobLines.At(i);
    if (!IsJobDefinitionLine(line)) continue;
    KeyParts parts = SplitKey(JobKeyOfLine(line));
    if (parts.Workstation == workstation) names.push_back(std::move(parts.Name));
  }
  return names;
}

}  // namespace

void RunW1(ReportContext& ctx) {
  if (!AcceptWorkstation(ctx)) return;
  const std::string workstation = ctx.Panel.SearchText;
  BeginReport(ctx, {21,
                    "W#1",
                    "Workstation Report - Option #1",
                    "All Schedules For " + workstation,
                    {100, 300, 0, 0, 0, 0, 0, 0, 0},
                    false});
  std::vector<std::string> names = SchedulesOf(ctx, workstation);
  const size_t found = names.size();
  AddNameRows(ctx, names);
  FinishReport(ctx, "Found " + std::to_string(found) + " Schedule(s) for Workstation <" +
                        workstation + ">... Ready.");
}

void RunW2(ReportContext& ctx) {
  if (!AcceptWorkstation(ctx)) return;
  const std::string workstation = ctx.Panel.SearchText;
  BeginReport(ctx, {22,
                    "W#2",
                    "Workstation Report - Option #2",
                    "All Jobs For " + workstation,
                    {100, 300, 0, 0, 0, 0, 0, 0, 0},
                    false});
  std::vector<std::string> names = JobsOf(ctx, workstation);
  const size_t found = names.size();
  AddNameRows(ctx, names);
  FinishReport(ctx, "Found " + std::to_string(found) + " Job(s) for Workstation <" + workstation +
                        ">... Ready.");
}

void RunW3(ReportContext& ctx) {
  BeginReport(ctx, {23,
                    "W#3",
                    "Workstation Report - Option #3",
                    "All Workstation Classes",
                    {100, 300, 0, 0, 0, 0, 0, 0, 0},
                    false});
  const LineList& lines = ctx.Store.CpuLines;
  const long long count = lines.Count();
  long long classes = 0;
  long long i = 0;
  while (i < count) {
    ctx.Progress.Tick();
    const std::string header = TrimBlanks(lines.At(i));
    if (!StartsWith(UpperCase(header), "CPUCLASS")) {
      ++i;
      continue;
    }
    // The name follows "CPUCLASS" and one separator, wherever the keyword starts.
    const std::string name = TrimBlanks(CopyFrom(header, 10));
    if (name.empty()) {
      ++i;
      continue;
    }
    std::string members;
    long long j = i + 1;
    for (; j < count; ++j) {
      std::string_view line = lines.At(j);
      if (line.empty()) continue;
      const std::string text = TrimBlanks(line);
      const std::string upper = UpperCase(text);
      if (upper == "END") break;
      if (StartsWith(upper, "MEMBERS")) {
        members = TrimBlanks(CopyFrom(text, 9));
        if (!members.empty()) members += ' ';
      } else {
        members += text + ' ';
      }
    }
    ctx.Results.AddRow(name, {std::move(members)});
    ++classes;
    i = j + 1;
  }
  FinishReport(ctx, "Found " + std::to_string(classes) +
                        (classes == 1 ? " Class... Ready." : " Classes... Ready."));
}

}  // namespace vdbq
