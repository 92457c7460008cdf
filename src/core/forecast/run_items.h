#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/forecast/civil_day.h"

// One item of an ON or EXCEPT clause as the forecast reads it: a day set (keyword, date,
// calendar name or RUNCYCLE rule), an optional offset, an optional free-day rule.
namespace vdbq {

enum class RunItemBase : std::uint8_t {
  kNone,  // REQUEST
  kWeekdays,  // EVERYDAY, SU..SA, WEEKDAYS: WeekdayMask
  kWorkdays,
  kDate,
  kCalendar,  // Name
  kRunCycle,
  kUnreadable,
};

enum class OffsetUnit : std::uint8_t { kDays, kWeekdays, kWorkdays };
enum class FreeDayRule : std::uint8_t { kKeep, kIgnore, kNext, kPrevious };

struct RunItem {
  std::string_view Text;  // as written, trimmed
  long long Line = 0;     // 0-based line in the schedules file
  bool Except = false;
  RunItemBase Base = RunItemBase::kUnreadable;
  std::uint8_t WeekdayMask = 0;  // bit 0 = Monday
  DayNumber Date = 0;
  std::string_view Name;  // calendar name
  int Offset = 0;
  OffsetUnit Unit = OffsetUnit::kDays;
  FreeDayRule FreeDays = FreeDayRule::kKeep;
  std::string Rule;  // RRULE text
  DayNumber ValidFrom = 0;
  DayNumber ValidTo = 0;
  bool HasValidTo = false;
};

// Reads one item. A calendar name is taken for anything that is no keyword, date or RUNCYCLE
// and has the form of a name; whether the calendar exists is decided by the caller.
RunItem ReadRunItem(std::string_view text);

}  // namespace vdbq
