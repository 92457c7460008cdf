// The forecast command on the sample database: each format and exit status, and the iCalendar
// file read back by libical as the events of the CSV's runs.
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <set>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace vdbq::testing {
namespace {

CliRun Forecast(std::vector<std::string> arguments) {
  if (arguments.empty() || arguments.front() != "--db") {
    arguments.insert(arguments.begin(), {"--db", kSampleDbDir});
  }
  return RunCli(arguments);
}

struct ForecastCase {
  const char* Name;
  std::vector<std::string> Arguments;
  int ExitStatus;
  const char* Out;  // a part of the output
};

class ForecastCommand : public ::testing::TestWithParam<ForecastCase> {};

TEST_P(ForecastCommand, PrintsAndExitsAsTheContractSays) {
  const ForecastCase& c = GetParam();
  const CliRun run = Forecast(c.Arguments);
  EXPECT_EQ(run.ExitStatus, c.ExitStatus) << run.Err;
  EXPECT_NE(run.Out.find(c.Out), std::string::npos) << run.Out;
  if (c.ExitStatus != 0) {
    EXPECT_FALSE(run.Err.empty());
  }
}

const std::string kNightly = "HFDWH01#DW_NIGHTLY";

INSTANTIATE_TEST_SUITE_P(
    Sample, ForecastCommand,
    ::testing::Values(
        ForecastCase{"DayTable",
                     {"--today", "2027-01-04", "forecast", "--to", "2027-01-04"},
                     0,
                     "2027-01-04 MO  20 schedules\n  0100  HFBKP01#BACKUP_DAILY\n"},
        ForecastCase{"ScheduleJsonLeavesHoliday",
                     {"forecast", "--schedule", kNightly, "--from", "2026-12-31", "--to",
                      "2027-01-04", "--format", "json"},
                     0,
                     "\"runDays\": [\n    \"2026-12-31\",\n    \"2027-01-04\"\n  ]"},
        ForecastCase{"WindowCsv",
                     {"--today", "2027-01-04", "forecast", "--to", "2027-01-04", "--format", "csv"},
                     0,
                     "Date,Weekday,Schedule,At\n2027-01-04,MO,HFBKP01#BACKUP_DAILY,0100\n"},
        ForecastCase{"WhyOnHoliday",
                     {"forecast", "--schedule", kNightly, "--why", "2027-01-01"},
                     0,
                     "does not run (a free day)\n  ON WORKDAYS  does not hold\n"
                     "  EXCEPT HOLIDAYS  holds\n"},
        ForecastCase{
            "WhyJson",
            {"forecast", "--schedule", kNightly, "--why", "2027-01-04", "--format", "json"},
            0,
            "\"runs\": true"},
        ForecastCase{"LongestWindow",
                     {"forecast", "--from", "2027-01-01", "--to", "2037-01-07"},
                     0,
                     "2037-01-07 WE"},
        ForecastCase{"UnknownSchedule", {"forecast", "--schedule", "HFDWH01#NOSUCH"}, 1, ""},
        ForecastCase{"MalformedDate", {"forecast", "--from", "2027-02-30"}, 2, ""},
        ForecastCase{
            "ReversedWindow", {"forecast", "--from", "2027-02-01", "--to", "2027-01-31"}, 2, ""},
        ForecastCase{"WindowOver3660Days",
                     {"forecast", "--from", "2027-01-01", "--to", "2037-01-08"},
                     2,
                     ""},
        ForecastCase{"WhyAsCsv",
                     {"forecast", "--schedule", kNightly, "--why", "2027-01-04", "--format", "csv"},
                     2,
                     ""},
        ForecastCase{"NoExtracts", {"--db", "/nonexistent-db", "forecast"}, 2, ""}),
    [](const ::testing::TestParamInfo<ForecastCase>& info) {
      return std::string(info.param.Name);
    });

TEST(ForecastIcs, ReadsBackAsTheCsvRuns) {
  const std::vector<std::string> window = {"--today",    "2027-01-04", "forecast",  "--from",
                                           "2026-12-28", "--to",       "2027-01-10"};
  std::vector<std::string> ics = window, csv = window;
  ics.insert(ics.end(), {"--format", "ics"});
  csv.insert(csv.end(), {"--format", "csv"});
  const CliRun icsRun = Forecast(ics);
  const CliRun csvRun = Forecast(csv);
  ASSERT_EQ(icsRun.ExitStatus, 0) << icsRun.Err;
  ASSERT_EQ(csvRun.ExitStatus, 0) << csvRun.Err;
  // "YYYY-MM-DD,key" of each run, as the CSV lists them.
  std::multiset<std::string> expected;
  for (size_t at = csvRun.Out.find('\n') + 1; at < csvRun.Out.size();) {
    const size_t end = csvRun.Out.find('\n', at);
    const std::string line = csvRun.Out.substr(at, end - at);
    const size_t keyEnd = line.find(',', 14);
    expected.insert(line.substr(0, 10) + "," + line.substr(14, keyEnd - 14));
    at = end + 1;
  }
  ASSERT_GT(expected.size(), 100u);

  icalcomponent* calendar = icalparser_parse_string(icsRun.Out.c_str());
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(icalcomponent_isa(calendar), ICAL_VCALENDAR_COMPONENT);
  std::multiset<std::string> events;
  std::set<std::string> uids;
  for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
       event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
    const icaltimetype start = icalcomponent_get_dtstart(event);
    const icaltimetype end = icalcomponent_get_dtend(event);
    EXPECT_TRUE(start.is_date && end.is_date);
    EXPECT_EQ(icaltime_compare(icaltime_add(start, icaldurationtype_from_int(86400)), end), 0);
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", start.year, start.month, start.day);
    events.insert(std::string(date) + "," + icalcomponent_get_summary(event));
    uids.insert(icalcomponent_get_uid(event));
  }
  icalcomponent_free(calendar);
  EXPECT_EQ(events, expected);
  EXPECT_EQ(uids.size(), expected.size());
}

}  // namespace
}  // namespace vdbq::testing
