// Run days checked on the rules people get wrong, and against a plain day-by-day reading of the
// item rules on random items.

#include "core/forecast/forecast.h"

#include <gtest/gtest.h>

#include <algorithm>
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
        NamedCase{"WorkdayOffsetOverHolidayMonday", "ON 04/02/27 +1 WORKDAY\n", "2027-04-06", true},
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
                  "2027-01-29", true},
        NamedCase{"RunCycleDailyUpToValidTo", "ON RUNCYCLE R1 VALIDTO 01/10/2027 \"FREQ=DAILY\"\n",
                  "2027-01-09", true},
        NamedCase{"RunCycleNotOnValidTo", "ON RUNCYCLE R1 VALIDTO 01/10/2027 \"FREQ=DAILY\"\n",
                  "2027-01-10", false},
        NamedCase{"RunCycleCountedFromValidFrom",
                  "ON RUNCYCLE R1 VALIDFROM 01/04/2027 \"FREQ=WEEKLY;INTERVAL=2;BYDAY=MO\"\n",
                  "2027-01-04", true},
        NamedCase{"RunCycleOffPhaseWeek",
                  "ON RUNCYCLE R1 VALIDFROM 01/04/2027 \"FREQ=WEEKLY;INTERVAL=2;BYDAY=MO\"\n",
                  "2027-01-11", false},
        NamedCase{"RunCycleStartDayOnlyWhenRuleGivesIt",
                  "ON RUNCYCLE R1 VALIDFROM 01/06/2027 \"FREQ=WEEKLY;BYDAY=MO\"\n", "2027-01-06",
                  false},
        // Phases counted from 1970-01-01: every third Thursday, every fifth month's 31st.
        NamedCase{"RunCycleWeeklyPhaseFrom1970", "ON RUNCYCLE R1 \"FREQ=WEEKLY;INTERVAL=3\"\n",
                  "2027-01-14", true},
        NamedCase{"RunCycleMonthlyPhaseFrom1970",
                  "ON RUNCYCLE R1 \"FREQ=MONTHLY;INTERVAL=5;BYMONTHDAY=31\"\n", "2027-07-31",
                  true}),
    [](const testing::TestParamInfo<NamedCase>& info) { return std::string(info.param.Name); });

// A window far from a rule's start gives the days that a walk from the start gives there.
class RunCycleWindows : public testing::TestWithParam<const char*> {};

TEST_P(RunCycleWindows, FarWindowMatchesLongWalk) {
  const LineList schedules = LineList::FromText(std::string("SCHEDULE CPU#S\nON RUNCYCLE R1 ") +
                                                GetParam() + "\n:\n J1\nEND\n");
  const LineList calendars = LineList::FromText(kCalendars);
  const Forecast forecast(schedules, calendars);
  const Window whole{Iso("1970-01-01"), Iso("2031-12-31")};
  const DaySet walk = forecast.RunDays(0, whole);
  for (const char* from : {"2001-05-31", "2027-02-28", "2029-12-30"}) {
    const Window window{Iso(from), Iso(from) + 400};
    const DaySet days = forecast.RunDays(0, window);
    for (DayNumber d = window.From; d <= window.To; ++d) {
      ASSERT_EQ(days.Has(d), walk.Has(d)) << GetParam() << " on " << IsoDate(d);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RunCycleWindows,
    testing::Values("\"FREQ=DAILY;INTERVAL=7\"", "\"FREQ=DAILY;INTERVAL=3;BYDAY=MO,FR\"",
                    "VALIDFROM 05/31/2001 \"FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,SU\"",
                    "\"FREQ=MONTHLY;INTERVAL=7;BYDAY=-1FR\"",
                    "VALIDFROM 12/30/2026 \"FREQ=MONTHLY;INTERVAL=2;BYDAY=1MO,FR\"",
                    "\"FREQ=MONTHLY;INTERVAL=3;BYMONTHDAY=1,-1\"",
                    "\"FREQ=YEARLY;INTERVAL=3;BYMONTH=2;BYMONTHDAY=29\"",
                    "VALIDTO 01/01/2030 \"FREQ=WEEKLY;INTERVAL=5;UNTIL=20290601\"",
                    "\"FREQ=DAILY;INTERVAL=11;COUNT=2500\""));

// The whole database's days per date are each schedule's own run days: items of one text are
// worked out once, yet WORKDAYS differs with each schedule's free days. A second definition of
// a key is not read, and the file need not be in key order.
class WindowOfDatabase : public testing::TestWithParam<std::pair<const char*, int>> {};

TEST_P(WindowOfDatabase, DaysAreEachSchedulesRunDays) {
  const LineList schedules = LineList::FromText(
      "SCHEDULE CPU#B\nON WORKDAYS\nFREEDAYS MONTHEND -sa\n:\nEND\n"
      "SCHEDULE CPU#A\nON WORKDAYS, MONTHEND FDNEXT\nEXCEPT TU\n:\nEND\n"
      "SCHEDULE CPU#A\nON EVERYDAY\n:\nEND\n"
      "SCHEDULE CPU#C\nON MONTHEND FDNEXT\nFREEDAYS -su\n:\nEND\n");
  const LineList calendars = LineList::FromText(kCalendars);
  const Forecast forecast(schedules, calendars);
  ASSERT_EQ(forecast.Schedules().size(), 3u);
  ASSERT_EQ(forecast.Find("CPU#A"), 0);
  const Window window{Iso(GetParam().first), Iso(GetParam().first) + GetParam().second - 1};
  const std::vector<std::vector<int>> days = forecast.DaysOfWindow(window);
  ASSERT_EQ(days.size(), static_cast<size_t>(window.Days()));
  for (int s = 0; s < 3; ++s) {
    const DaySet own = forecast.RunDays(s, window);
    for (DayNumber d = window.From; d <= window.To; ++d) {
      const std::vector<int>& runs = days[static_cast<size_t>(d - window.From)];
      EXPECT_EQ(std::count(runs.begin(), runs.end(), s), own.Has(d) ? 1 : 0)
          << forecast.Schedules()[static_cast<size_t>(s)].Key << " on " << IsoDate(d);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowOfDatabase,
                         testing::Values(std::pair{"2027-01-01", 120}, std::pair{"2027-01-05", 1},
                                         std::pair{"2027-03-01", 1}));

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
    char buffer[40];
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
    const LineList schedules = LineList::FromText("SCHEDULE CPU#S\nON " + text + "\n:\n J1\nEND\n");
    const Forecast forecast(schedules, calendars);
    const DaySet days = forecast.RunDays(0, window);
    for (DayNumber d = window.From; d <= window.To; ++d) {
      ASSERT_EQ(days.Has(d), PlainHas(item, d)) << text << " on " << IsoDate(d);
    }
  }
}

}  // namespace
}  // namespace vdbq
