#include "core/reports/run_report.h"

#include "core/reports/report_routines.h"
#include "core/text/text_routines.h"

namespace vdbq {

const std::vector<ReportEntry>& ReportTable() {
  static const std::vector<ReportEntry> table{
      {0, 1, "S#1", 1, SearchUse::Emptied, RunS1},   {0, 2, "S#2", 2, SearchUse::Emptied, RunS2},
      {0, 3, "S#3", 3, SearchUse::Name, RunS3},      {0, 4, "S#4", 4, SearchUse::Key, RunS4},
      {0, 5, "S#5", 5, SearchUse::Key, RunS5},       {1, 1, "J#1", 11, SearchUse::Emptied, RunJ1},
      {1, 2, "J#2", 12, SearchUse::Emptied, RunJ2},  {1, 3, "J#3", 13, SearchUse::Name, RunJ3},
      {1, 4, "J#4", 14, SearchUse::Name, RunJ4},     {1, 5, "J#5", 15, SearchUse::Emptied, RunJ5},
      {1, 6, "J#6", 16, SearchUse::AsTyped, RunJ6},  {2, 1, "W#1", 21, SearchUse::OwnCheck, RunW1},
      {2, 2, "W#2", 22, SearchUse::OwnCheck, RunW2}, {2, 3, "W#3", 23, SearchUse::Ignored, RunW3},
      {3, 1, "C#1", 31, SearchUse::Name, RunC1},     {3, 2, "C#2", 32, SearchUse::Ignored, RunC2},
      {3, 3, "C#3", 33, SearchUse::Ignored, RunC3},  {3, 4, "C#4", 34, SearchUse::Ignored, RunC4},
      {4, 1, "R#1", 41, SearchUse::Name, RunR1},     {4, 2, "R#2", 42, SearchUse::Ignored, RunR2},
      {5, 1, "P#1", 51, SearchUse::Name, RunP1},     {5, 2, "P#2", 52, SearchUse::Ignored, RunP2},
      {6, 1, "D#1", 61, SearchUse::Name, RunD1},     {6, 2, "D#2", 62, SearchUse::Ignored, RunD2},
  };
  return table;
}

const ReportEntry* FindReport(int category, int option) {
  for (const ReportEntry& entry : ReportTable()) {
    if (entry.Category == category && entry.Option == option) return &entry;
  }
  return nullptr;
}

const ReportEntry* FindReportByCode(const std::string& code) {
  const std::string wanted = UpperCase(code);
  for (const ReportEntry& entry : ReportTable()) {
    if (wanted == entry.Code) return &entry;
  }
  return nullptr;
}

std::string HintFor(int reportNumber) {
  switch (reportNumber) {
    case 1: case 2: case 3: case 4: case 5: case 14: case 21: case 31: case 41: case 61:
      return "Click Row = Workstation#ScheduleName To ClipBoard";
    case 11: case 12: case 13: case 15: case 16: case 22: case 51:
      return "Click Row = Workstation#JobName To ClipBoard";
    case 23:
      return "Click Row = ClassName To ClipBoard";
    case 32: case 33: case 34:
      return "Click Row = CalendarName To ClipBoard";
    case 42:
      return "Click Row = ResourceName To ClipBoard";
    case 52:
      return "Click Row = ParameterName To ClipBoard";
    case 62:
      return "Click Row = PromptName To ClipBoard";
    default:
      return "";
  }
}

RunOutcome RunReport(ReportContext& ctx) {
  ReportPanel& panel = ctx.Panel;
  if (ctx.Store.ExtractsMissing) return RunOutcome::NotRun;
  if (panel.ReportRunning) return RunOutcome::Busy;
  panel.ReportRunning = true;
  struct RunningGuard {
    ReportPanel& panel;
    ~RunningGuard() { panel.ReportRunning = false; }
  } guard{panel};

  panel.StatusText = kProcessing;
  panel.FocusSearchRequested = false;
  const int ticked = panel.TickedOption();
  if (ticked >= 1 && ticked <= panel.OptionCount()) {
    if (const ReportEntry* entry = FindReport(panel.ReportCategory(), ticked)) {
      entry->Routine(ctx);
    }
  }
  if (StartsWith(panel.StatusText, "Process")) panel.StatusText = kReady;
  panel.Hint = HintFor(ctx.Results.ReportNumber);
  return RunOutcome::Ran;
}

RunOutcome RunPreset(ReportContext& ctx, const ReportEntry& entry,
                     const std::optional<std::string>& searchText) {
  if (ctx.Panel.ReportRunning) return RunOutcome::Busy;
  if (searchText) ctx.Panel.SearchText = *searchText;
  ctx.Panel.SetCategory(entry.Category);
  ctx.Panel.TickOption(entry.Option);
  return RunReport(ctx);
}

}  // namespace vdbq
