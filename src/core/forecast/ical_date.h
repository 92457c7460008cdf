#pragma once

#include <libical/ical.h>

#include "core/forecast/civil_day.h"

namespace vdbq {

// A date value for libical, for its rules and for the iCalendar export. Its null date leaves
// the time fields at -1, on which a daily rule stalls on its first day and others lose their
// INTERVAL's phase.
inline icaltimetype IcalDateValue(DayNumber day) {
  const CivilDate date = DateOf(day);
  icaltimetype value = icaltime_null_time();
  value.is_date = 1;
  value.year = date.Year;
  value.month = date.Month;
  value.day = date.Day;
  return value;
}

}  // namespace vdbq
