#include "core/audit/time_stamp.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>

namespace vdbq {

namespace {

std::uint16_t Field(int value, int low, int high) {
  return static_cast<std::uint16_t>(std::clamp(value, low, high));
}

TimeStamp FieldsOf(const std::tm& local) {
  TimeStamp stamp;
  stamp.StampYear = Field(local.tm_year + 1900, 0, 9999);
  stamp.StampMonth = Field(local.tm_mon + 1, 1, 12);
  stamp.StampDay = Field(local.tm_mday, 1, 31);
  stamp.StampHour = Field(local.tm_hour, 0, 23);
  stamp.StampMinute = Field(local.tm_min, 0, 59);
  stamp.StampSecond = Field(local.tm_sec, 0, 59);
  return stamp;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Days since 1970-01-01 of a proleptic Gregorian date.
long DaysFromCivil(int year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const int era = (year >= 0 ? year : year - 399) / 400;
  const int yearOfEra = year - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return static_cast<long>(era) * 146097 + dayOfEra - 719468;
}

}  // namespace

std::tm BrokenDownTime(const TimeStamp& stamp) {
  const int year = std::clamp<int>(stamp.StampYear, 1, 9999);
  const int month = std::clamp<int>(stamp.StampMonth, 1, 12);
  static constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int monthDays = kMonthDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
  const int day = std::clamp<int>(stamp.StampDay, 1, monthDays);
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = std::clamp<int>(stamp.StampHour, 0, 23);
  tm.tm_min = std::clamp<int>(stamp.StampMinute, 0, 59);
  tm.tm_sec = std::clamp<int>(stamp.StampSecond, 0, 59);
  const long days = DaysFromCivil(year, month, day);
  tm.tm_wday = static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
  tm.tm_yday = static_cast<int>(days - DaysFromCivil(year, 1, 1));
  tm.tm_isdst = -1;
  return tm;
}

namespace {

// The user's locale for dates and times, read once; the global C locale is left untouched.
const std::locale& UserLocale() {
  static const std::locale locale = [] {
    try {
      return std::locale("");
    } catch (const std::exception&) {
      return std::locale::classic();
    }
  }();
  return locale;
}

std::string Format(const std::tm& tm, const char* format) {
  std::ostringstream out;
  out.imbue(UserLocale());
  out << std::put_time(&tm, format);
  return out.str();
}

}  // namespace

TimeStamp CurrentLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return FieldsOf(local);
}

TimeStamp ToFileTimeResolution(TimeStamp moment) {
  moment.StampSecond = static_cast<std::uint16_t>(moment.StampSecond & ~1u);
  return moment;
}

TimeStamp TakeTimeStamp() { return ToFileTimeResolution(CurrentLocalTime()); }

TimeStamp StampFromLocalTime(const std::tm& local) { return ToFileTimeResolution(FieldsOf(local)); }

std::string StartStamp(const TimeStamp& stamp) {
  char text[16];
  std::snprintf(text, sizeof text, "%04u%02u%02u%02u%02u%02u", stamp.StampYear % 10000u,
                stamp.StampMonth % 100u, stamp.StampDay % 100u, stamp.StampHour % 100u,
                stamp.StampMinute % 100u, stamp.StampSecond % 100u);
  return text;
}

std::string DateTimeText(const TimeStamp& stamp) {
  const std::tm tm = BrokenDownTime(stamp);
  if (tm.tm_hour == 0 && tm.tm_min == 0 && tm.tm_sec == 0) return Format(tm, "%x");
  return Format(tm, "%x %X");
}

}  // namespace vdbq
