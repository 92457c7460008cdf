#include <unordered_set>
#include <vector>

#include "core/reports/calendar_dates.h"
#include "core/reports/calendar_header_scan.h"
#include "core/reports/key_parts.h"
#include "core/reports/name_lists.h"
#include "core/reports/report_frame.h"
#include "core/reports/report_routines.h"
#include "core/reports/schedule_header_lines.h"
#include "core/reports/usage_answers.h"
#include "core/text/collation_sort.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// The calendar reports do nothing at all while no calendar is loaded.
bool HasCalendars(const ReportContext& ctx) { return ctx.Catalogue.Totals.CalendarTotal != 0; }

void ListCalendarsByValidity(ReportContext& ctx, bool listValid) {
  if (!HasCalendars(ctx)) return;
  BeginReport(ctx,
              ReportFrame{listValid ? 34 : 33,
                          listValid ? "C#4" : "C#3",
                          listValid ? "Calendar Report - Option #4" : "Calendar Report - Option #3",
                          listValid ? "All Valid Calendars" : "All Invalid Calendars",
                          {100, 300, 0, 0, 0, 0, 0, 0, 0}});
  const LineList& lines = ctx.Store.CalendarLines;
  const long long lastLine = ctx.Store.CalendarLineCount;
  long long found = 0;
  long long line = 1;
  while (line <= lastLine) {
    ctx.Progress.Tick();
    std::string_view header = lines.At(line++);
    if (header.empty() || StartsWith(header, "  ")) continue;
    const long long quote = Find("\"", header);
    std::string dates;
    for (; line <= lastLine && StartsWith(lines.At(line), " "); ++line) {
      dates += ' ';
      dates += TrimBlanks(lines.At(line));
    }
    // Rows go in as they are decided: a date that stops the report leaves the rows before it.
    const bool valid = HasDateAfter(ReplaceRepeatedly(TrimBlanks(dates), " ", ","), ctx.Today);
    if (valid != listValid) continue;
    ctx.Results.AddRow(Copy(header, 1, quote - 2), {CopyFrom(header, quote)});
    ++found;
  }
  FinishReport(ctx,
               "Found " + std::to_string(found) +
                   (listValid ? " Valid Calendars... Ready." : " Invalid Calendars... Ready."));
}

}  // namespace

void RunC1(ReportContext& ctx) {
  if (!HasCalendars(ctx)) return;
  ReportPanel& panel = ctx.Panel;
  if (!ValidateSearchText(panel, false)) return;
  const std::string name = panel.SearchText;
  if (!Contains(CommaWrapped(ctx.Catalogue.CalendarNameList), CommaWrapped(name))) {
    panel.StatusText = "Invalid Calendar Name Entered!";
    panel.FocusSearchRequested = true;
    return;
  }
  BeginReport(ctx, ReportFrame{31,
                               "C#1",
                               "Calendar Report - Option #1",
                               "All Schedules Using " + name,
                               {100, 130, 70, 70, 0, 0, 0, 0, 0}});

  const LineList& lines = ctx.Store.ScheduleLines;
  const std::vector<long long> headers = ScheduleHeaderLines(ctx.Store, ctx.Progress);
  const std::vector<CalendarUse> uses = ScanCalendarHeaders(
      lines, headers, ctx.Progress, [&name](bool, std::string_view item) { return item == name; });
  // Each match as key + "," + ON flag + "," + EXCEPT flag, sorted as one text.
  std::vector<std::string> matches;
  for (size_t k = 0; k < headers.size(); ++k) {
    if (!uses[k].On && !uses[k].Except) continue;
    matches.push_back(CopyFrom(lines.At(headers[k]), 10) + (uses[k].On ? ",Y" : ",N") +
                      (uses[k].Except ? ",Y" : ",N"));
  }
  if (!matches.empty()) {
    SortScratchLines(matches);
    ctx.Results.AddRow("Workstation", {"In Schedule", "As On", "As Except"});
    for (const std::string& match : matches) {
      // The two flags are the last four characters, so a key holding a comma stays whole.
      KeyParts key = SplitKey(std::string_view(match).substr(0, match.size() - 4));
      ctx.Results.AddRow(std::move(key.Workstation),
                         {std::move(key.Name), match[match.size() - 3] == 'Y' ? "Yes" : "No",
                          match.back() == 'Y' ? "Yes" : "No"});
    }
  }
  FinishReport(ctx, "Found " + std::to_string(matches.size()) +
                        " Schedule(s) containing Calendar <" + name + ">... Ready.");
}

void RunC2(ReportContext& ctx) {
  if (!HasCalendars(ctx)) return;
  BeginReport(ctx, ReportFrame{32,
                               "C#2",
                               "Calendar Report - Option #2",
                               "All Unused Calendars",
                               {100, 0, 0, 0, 0, 0, 0, 0, 0}});
  std::optional<std::string>& usedList = ctx.Catalogue.UsedCalendarList;
  if (!usedList || usedList->empty()) usedList = CollectUsedCalendars(ctx.Store, ctx.Progress);
  const CommaItemSet used(*usedList);
  long long found = 0;
  ForEachListedName(ctx.Catalogue.CalendarNameList, [&](std::string_view name) {
    if (used.Has(name)) return;
    ctx.Results.AddRow(std::string(name));
    ++found;
  });
  FinishReport(ctx, "Found " + std::to_string(found) + " Unused Calendars... Ready.");
}

std::string CollectUsedCalendars(const ExtractStore& store, Progress& progress) {
  // The walk ticks once; the header scans tick for their own lines.
  progress.Tick();
  Progress silent;
  std::unordered_set<std::string> seen;
  std::string used;
  ScanCalendarHeaders(store.ScheduleLines, ScheduleHeaderLines(store, silent), progress,
                      [&](bool, std::string_view item) {
                        if (seen.emplace(item).second) used.append(item).append(",");
                        return false;
                      });
  return used;
}

void RunC3(ReportContext& ctx) { ListCalendarsByValidity(ctx, false); }
void RunC4(ReportContext& ctx) { ListCalendarsByValidity(ctx, true); }

}  // namespace vdbq
