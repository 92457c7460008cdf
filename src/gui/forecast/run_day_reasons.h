#pragma once

#include <QString>
#include <vector>

#include "gui/forecast/year_calendar.h"

namespace vdbq {
class Forecast;
}

namespace vdbq::gui {

// A year of one schedule as the year calendar draws it: run days, free days, and on each day
// the items that made it a run day or took it away ("ON PAYDAYS", "EXCEPT HOLIDAYS", and for an
// item's free day moved by FDNEXT or FDPREV "moved from Sat 6 Feb by FDNEXT").
std::vector<CalendarDay> YearOfRunDays(const Forecast& forecast, int schedule, int year);

// One line on how the schedule is scheduled: its items, its workdays, its AT time
// and the items the forecast cannot read.
QString RunDaysSummary(const Forecast& forecast, int schedule);

}  // namespace vdbq::gui
