#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_runner.h"
#include "support/temp_dir.h"

namespace vdbq::testing {
namespace {

const std::string kFaultyDb = std::string(kSampleDbDir) + "/../faulty-db";

TEST(CheckCommand, ErrorsGiveExitOneAndJsonFindings) {
  const CliRun run =
      RunCli({"--db", kFaultyDb, "--today", "2027-01-04", "check", "--format", "json"});
  ASSERT_EQ(run.ExitStatus, 1) << run.Err;
  const nlohmann::json out = nlohmann::json::parse(run.Out);
  EXPECT_EQ(out["totals"]["errors"], 16);
  EXPECT_EQ(out["totals"]["warnings"], 8);
  // Their order is the core's; here the fields of one as JSON.
  const nlohmann::json& first = out["findings"][0];
  EXPECT_EQ(first["rule"], "unused-calendar");
  EXPECT_EQ(first["severity"], "warning");
  EXPECT_EQ(first["kind"], "calendar");
  EXPECT_EQ(first["key"], "OLD_CLOSING");
  EXPECT_EQ(first["file"], "Calendars.Xtract");
  EXPECT_EQ(first["line"], 6);
}

nlohmann::json FindingJson(const char* rule, const char* severity, const char* kind,
                           const char* key, const char* file, int line, const char* message) {
  return {{"rule", rule}, {"severity", severity}, {"kind", kind},      {"key", key},
          {"file", file}, {"line", line},         {"message", message}};
}

// What the run-day rules find on the faulty database, each planted fault once, counted from
// --today; the schedule WEEKLY_SUMMARY also takes its free days from a missing calendar.
TEST(CheckCommand, RunDayFindingsCountFromToday) {
  const CliRun run =
      RunCli({"--db", kFaultyDb, "--today", "2027-01-04", "check", "--format", "json"});
  ASSERT_EQ(run.ExitStatus, 1) << run.Err;
  const nlohmann::json out = nlohmann::json::parse(run.Out);
  nlohmann::json found = nlohmann::json::array();
  for (const nlohmann::json& f : out["findings"]) {
    if (f["rule"] == "never-runs" || f["rule"] == "calendar-ends" ||
        f["rule"] == "unreadable-run-item" || f["key"] == "FXMAIN#WEEKLY_SUMMARY") {
      found.push_back(f);
    }
  }
  const nlohmann::json expected = {
      FindingJson("calendar-ends", "warning", "calendar", "PAY_DATES", "Calendars.Xtract", 8,
                  "Calendar PAY_DATES has no date after 2027-01-27; schedule FXMAIN#PAYROLL "
                  "stops running then"),
      FindingJson("never-runs", "warning", "schedule", "FXMAIN#RERUN_2025", "Schedules.Xtract", 86,
                  "Schedule FXMAIN#RERUN_2025 has no run day in the 365 days from 2027-01-04"),
      FindingJson("unreadable-run-item", "warning", "schedule", "FXMAIN#WEEKLY_SUMMARY",
                  "Schedules.Xtract", 93, "ON item \"MO +1 WEEK\" cannot be read; it gives no day"),
      FindingJson("undefined-calendar", "error", "schedule", "FXMAIN#WEEKLY_SUMMARY",
                  "Schedules.Xtract", 94,
                  "Calendar OFFICE_CLOSED is not defined in Calendars.Xtract")};
  EXPECT_EQ(found, expected) << found.dump(2);
  // A month earlier the pay dates still reach far enough.
  const CliRun earlier =
      RunCli({"--db", kFaultyDb, "--today", "2026-12-07", "check", "--format", "json"});
  EXPECT_EQ(nlohmann::json::parse(earlier.Out)["totals"]["warnings"], 7);
}

TEST(CheckCommand, WarningsAloneExitZero) {
  TempDir dir;
  WriteExtractSet(dir, {{"Cpus.Xtract", "CPUNAME CPU1\nEND\n"},
                        {"Jobs.Xtract", "CPU1#SPARE DOCOMMAND \"x\"\n"}});
  const CliRun warningsOnly = RunCli({"--db", dir.DirText(), "check"});
  EXPECT_EQ(warningsOnly.ExitStatus, 0) << warningsOnly.Err;
  EXPECT_NE(warningsOnly.Out.find("0 errors, 1 warning"), std::string::npos) << warningsOnly.Out;
}

}  // namespace
}  // namespace vdbq::testing
