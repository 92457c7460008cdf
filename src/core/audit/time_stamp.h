#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace vdbq {

// A local date and time. Stamps taken by TakeTimeStamp are at the two-second resolution of a
// file time stamp.
struct TimeStamp {
  std::uint16_t StampYear = 0;
  std::uint16_t StampMonth = 0;
  std::uint16_t StampDay = 0;
  std::uint16_t StampHour = 0;
  std::uint16_t StampMinute = 0;
  std::uint16_t StampSecond = 0;

  bool operator==(const TimeStamp&) const = default;
};

// The current local date and time, seconds rounded down to an even number.
TimeStamp TakeTimeStamp();

// The current local date and time to the second, not rounded: the moment an audit line shows.
TimeStamp CurrentLocalTime();

// The moment with its seconds rounded down to an even number.
TimeStamp ToFileTimeResolution(TimeStamp moment);

// Builds a stamp from a local broken-down time, seconds rounded down to an even number.
TimeStamp StampFromLocalTime(const std::tm& local);

// The moment as fourteen digits, YYYYMMDDhhmmss.
std::string StartStamp(const TimeStamp& stamp);

// The moment as a complete broken-down time, weekday and day of the year included, because a
// locale's date format may show them. Out-of-range fields are brought into range first.
std::tm BrokenDownTime(const TimeStamp& stamp);

// The user's standard date-and-time text: short date, a blank, long time; the time is left out
// when the moment is exactly midnight.
std::string DateTimeText(const TimeStamp& stamp);

}  // namespace vdbq
