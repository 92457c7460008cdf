// Run days checked on the rules people get wrong, and against a plain day-by-day reading of the
// item rules on random items.

#include "core/forecast/forecast.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace vdbq {
namespace {

constexpr char kCalendars[] =
    "$CALENDAR\n"
    "HOLIDAYS\t\"Public holidays\"\n"
    "  01/01/27 04/05/27 12/27/27\n"
    "MONTHEND\t\"Month ends\"\n"
    "  01/31/27 02/27/27 03/31/27\n"
    "EVERYDAY\t\"A calendar named like a keyword\"\n"
    "  01/13/27\n";

DayNumber Iso(const char* text) { return *ParseIsoDate(text); }

struct NamedCase {
  const char* Name;
  const char* Header;  // lines after the SCHEDULE line
  const char* Date;
  bool Runs;
};

class NamedRunDays : public testing::TestWithParam<NamedCase> {};

TEST_P(NamedRunDays, RunsAsTheRulesSay) {
  const NamedCase& c = GetParam();
  const LineList schedules =
      LineList::FromText(std::string("SCHEDULE CPU#S\n") + c.Header + ":\n J1\nEND\n");
  const LineList calendars = LineList::FromText(kCalendars);
  const Forecast forecast(schedules, calendars);
  ASSERT_EQ(forecast.Find("CPU#S"), 0);
  const DayNumber day = Iso(c.Date);
  EXPECT_EQ(forecast.RunDays(0, {day - 40, day + 40}).Has(day), c.Runs);
  EXPECT_EQ(forecast.RunDays(0, {day, day}).Has(day), c.Runs);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, NamedRunDays,
    testing::Values(
        NamedCase{"ExceptBeatsOn", "ON EVERYDAY\nEXCEPT 01/05/27\n", "2027-01-05", false},
        NamedCase{"OnWithoutExcept", "ON EVERYDAY\nEXCEPT 01/05/27\n", "2027-01-06", true},
        // Fri 2 Apr + 1 workday skips the weekend and the holiday Monday 5 Apr.
        NamedCase{"WorkdayOffsetOverHolidayMonday", "ON 04/02/27 +1 WORKDAY\n", "2027-04-06",
                  true},
        NamedCase{"WorkdayOffsetNotOnHoliday", "ON 04/02/27 +1 WORKDAY\n", "2027-04-05", false},
        NamedCase{"WeekdayOffsetCountsHoliday", "ON 04/02/27 +1 WEEKDAY\n", "2027-04-05", true},
        // Sat 27 Feb moves to Mon 1 Mar, across the month end.
        NamedCase{"FdnextAcrossMonthEnd", "ON MONTHEND FDNEXT\n", "2027-03-01", true},
        NamedCase{"FdnextLeavesFreeDay", "ON MONTHEND FDNEXT\n", "2027-02-27", false},
        NamedCase{"FdprevToFriday", "ON MONTHEND FDPREV\n", "2027-02-26", true},
        NamedCase{"FdignoreDrops", "ON MONTHEND FDIGNORE\n", "2027-02-27", false},
        NamedCase{"NoRuleKeepsFreeDay", "ON MONTHEND\n", "2027-02-27", true},
        NamedCase{"YearSixtyNineIs2069", "ON 01/02/69\n", "2069-01-02", true},
        NamedCase{"YearSeventyIs1970", "ON 01/02/70\n", "1970-01-02", true},
        NamedCase{"KeywordBeatsCalendar", "ON EVERYDAY\n", "2027-01-12", true},
        NamedCase{"WorkdaysLessHolidays", "ON WORKDAYS\n", "2027-01-01", false},
        NamedCase{"SaturdayWorkday", "ON WORKDAYS\nFREEDAYS HOLIDAYS -sa\n", "2027-01-02", true},
        NamedCase{"FreedaysCalendarReplacesHolidays", "ON WORKDAYS\nFREEDAYS MONTHEND\n",
                  "2027-01-01", true},
        NamedCase{"LowerCaseAndContinued", "on mo,\n  fr\n", "2027-01-08", true},
        NamedCase{"RequestOnly", "ON REQUEST\n", "2027-01-08", false},
        NamedCase{"UnknownCalendarNoDay", "ON NOSUCH\n", "2027-01-08", false},
        NamedCase{"RunCycleLastFriday", "ON RUNCYCLE R1 \"FREQ=MONTHLY;BYDAY=-1FR\"\n",
                  "2027-01-29", true}),
    [](const testing::TestParamInfo<NamedCase>& info) { return std::string(info.param.Name); });

// The plain reading: is day d among the days of an item, asked one day at a time.
struct PlainItem {
  int Kind;  // 0 weekday mask, 1 workdays, 2 calendar MONTHEND, 3 date
  int Mask;
  DayNumber Date;
  int Offset;
  int Unit;  // 0 days, 1 weekdays, 2 workdays
  int Rule;  // 0 keep, 1 ignore, 2 next, 3 prev
};

bool PlainWorkday(DayNumber d) {
  const int w = WeekdayOf(d);
  return w < 5 && d != Iso("2027-01-01") && d != Iso("2027-04-05") && d != Iso("2027-12-27");
}

bool PlainBase(const PlainItem& item, DayNumber d) {
  switch (item.Kind) {
    case 0:
      return (item.Mask >> WeekdayOf(d)) & 1;
    case 1:
      return PlainWorkday(d);
    case 2:
      return d == Iso("2027-01-31") || d == Iso("2027-02-27") || d == Iso("2027-03-31");
    default:
      return d == item.Date;
  }
}

DayNumber PlainStep(DayNumber d, int n, bool workdays) {
  const int direction = n > 0 ? 1 : -1;
  for (int left = n * direction; left > 0;) {
    d += direction;
    if (workdays ? PlainWorkday(d) : WeekdayOf(d) < 5) --left;
  }
  return d;
}

bool PlainOffset(const PlainItem& item, DayNumber d) {
  for (DayNumber b = d - 60; b <= d + 60; ++b) {
    if (!PlainBase(item, b)) continue;
    const DayNumber to =
        item.Unit == 0 ? b + item.Offset : PlainStep(b, item.Offset, item.Unit == 2);
    if (item.Offset == 0 ? b == d : to == d) return true;
  }
  return false;
}

bool PlainHas(const PlainItem& item, DayNumber d) {
  if (item.Rule == 0) return PlainOffset(item, d);
  if (PlainOffset(item, d) && PlainWorkday(d)) return true;
  if (item.Rule == 1 || !PlainWorkday(d)) return false;
  for (DayNumber b = d + (item.Rule == 2 ? -1 : 1); !PlainWorkday(b);
       b += item.Rule == 2 ? -1 : 1) {
    if (PlainOffset(item, b)) return true;
  }
  return false;
}

std::string ItemText(const PlainItem& item, std::mt19937& random) {
  static const char* kDays[] = {"mo", "TU", "We", "TH", "FR", "SA", "SU"};
  std::string text;
  if (item.Kind == 0) {
    int weekday = 0;
    while (item.Mask != 0x7f && !((item.Mask >> weekday) & 1)) ++weekday;
    text = item.Mask == 0x7f ? "everyday" : kDays[weekday];
  }
  if (item.Kind == 1) text = "WORKDAYS";
  if (item.Kind == 2) text = "MONTHEND";
  if (item.Kind == 3) {
    const CivilDate c = DateOf(item.Date);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", c.Year, c.Month, c.Day);
    text = buffer;
  }
  if (item.Offset != 0) {
    static const char* kUnits[] = {"DAYS", "weekday", "WORKDAYS"};
    text += random() % 2 ? " " : "";
    text += (item.Offset > 0 ? "+" : "-") + std::to_string(std::abs(item.Offset)) +
            (random() % 2 ? " " : "") + kUnits[item.Unit];
  }
  static const char* kRules[] = {"", " FDIGNORE", " fdnext", " FDPREV"};
  return text + kRules[item.Rule];
}

TEST(RandomRunDays, MatchThePlainReading) {
  std::mt19937 random(24);
  const LineList calendars = LineList::FromText(kCalendars);
  const Window window{Iso("2027-01-01"), Iso("2027-04-30")};
  for (int round = 0; round < 150; ++round) {
    PlainItem item{static_cast<int>(random() % 4), 0, 0, 0, static_cast<int>(random() % 3),
                   static_cast<int>(random() % 4)};
    item.Mask = random() % 8 == 7 ? 0x7f : 1 << (random() % 7);
    item.Date = window.From + static_cast<DayNumber>(random() % 120);
    item.Offset = random() % 3 ? static_cast<int>(random() % 11) - 5 : 0;
    const std::string text = ItemText(item, random);
    const LineList schedules =
        LineList::FromText("SCHEDULE CPU#S\nON " + text + "\n:\n J1\nEND\n");
    const Forecast forecast(schedules, calendars);
    const DaySet days = forecast.RunDays(0, window);
    for (DayNumber d = window.From; d <= window.To; ++d) {
      ASSERT_EQ(days.Has(d), PlainHas(item, d)) << text << " on " << IsoDate(d);
    }
  }
}

}  // namespace
}  // namespace vdbq
