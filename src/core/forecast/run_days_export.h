#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/forecast/forecast.h"

// The forecast's file formats, one text each, shared by the command line and the desktop so that
// an export from either holds the same bytes.
namespace vdbq {

// One run: a schedule (its index in Forecast::Schedules) on a date.
struct ScheduleRun {
  DayNumber Day;
  int Schedule;
};

// A header line "Date,Weekday,Schedule,At" and a line a run.
std::string RunsCsv(const Forecast& forecast, const std::vector<ScheduleRun>& runs);
// The same text handed to `write` a few megabytes at a time: a year of a large database holds
// millions of runs.
void WriteRunsCsv(const Forecast& forecast, const std::vector<ScheduleRun>& runs,
                  const std::function<void(std::string_view)>& write);

// An iCalendar file with one all-day event a run, stamped at midnight UTC of `today`.
std::string RunsIcs(const Forecast& forecast, const std::vector<ScheduleRun>& runs,
                    DayNumber today);

}  // namespace vdbq
