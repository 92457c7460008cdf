#pragma once

#include <optional>
#include <string>
#include <string_view>

// Dates as day numbers counted from 1970-01-01, so that a window is a range of integers and a
// day set a bit set over it.
namespace vdbq {

using DayNumber = int;

// Days from 1970-01-01 of a proleptic Gregorian date (the civil-from-days algorithm).
inline DayNumber DayOf(int year, int month, int day) {
  year -= month <= 2;
  const int era = (year >= 0 ? year : year - 399) / 400;
  const int yearOfEra = year - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
  int Year, Month, Day;
};

inline CivilDate DateOf(DayNumber n) {
  n += 719468;
  const int era = (n >= 0 ? n : n - 146096) / 146097;
  const int dayOfEra = n - era * 146097;
  const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int mp = (5 * dayOfYear + 2) / 153;
  const int day = dayOfYear - (153 * mp + 2) / 5 + 1;
  const int month = mp < 10 ? mp + 3 : mp - 9;
  return {yearOfEra + era * 400 + (month <= 2), month, day};
}

// 0 = Monday ... 6 = Sunday; 1970-01-01 was a Thursday.
inline int WeekdayOf(DayNumber n) { return ((n % 7) + 7 + 3) % 7; }

inline constexpr const char* kWeekdayNames[] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};

// "YYYY-MM-DD".
std::string IsoDate(DayNumber n);
// A valid "YYYY-MM-DD", else nothing.
std::optional<DayNumber> ParseIsoDate(std::string_view text);
// A date item: MM/DD/YY (YY 00-69 is 20YY, 70-99 is 19YY), MM/DD/YYYY or YYYYMMDD.
std::optional<DayNumber> ParseItemDate(std::string_view text);

}  // namespace vdbq
