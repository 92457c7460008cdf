#pragma once

#include <string_view>

#include "core/audit/time_stamp.h"
#include "core/reports/report_context.h"

namespace vdbq {

// True when the date (month in characters 1-2, day in 4-5, two-digit year in 7-8; years below
// 70 are 20xx) lies after today. Throws ReportDataError naming the first part that is not a
// number.
bool IsDateAfter(std::string_view date, const TimeStamp& today);

// True when some date of a comma-separated date list lies after today. The list is read up to
// its first empty field; dates after the first one that lies after today are not read.
bool HasDateAfter(std::string_view dateList, const TimeStamp& today);

}  // namespace vdbq
