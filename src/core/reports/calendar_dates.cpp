#include "core/reports/calendar_dates.h"

#include <string>

#include "core/reports/name_lists.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

int DatePart(std::string_view date, long long start) {
  const std::string part = Copy(date, start, 2);
  bool digits = !part.empty();
  for (char c : part) digits = digits && c >= '0' && c <= '9';
  if (!digits) throw ReportDataError("'" + part + "' is not a valid integer value");
  return std::stoi(part);
}

}  // namespace

bool IsDateAfter(std::string_view date, const TimeStamp& today) {
  const int month = DatePart(date, 1);
  const int day = DatePart(date, 4);
  const int shortYear = DatePart(date, 7);
  const int year = shortYear < 70 ? 2000 + shortYear : 1900 + shortYear;
  if (year != today.StampYear) return year > today.StampYear;
  if (month != today.StampMonth) return month > today.StampMonth;
  return day > today.StampDay;
}

bool HasDateAfter(std::string_view dateList, const TimeStamp& today) {
  bool after = false;
  ForEachListedName(dateList,
                    [&](std::string_view date) { after = after || IsDateAfter(date, today); });
  return after;
}

}  // namespace vdbq
