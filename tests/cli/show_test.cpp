// The show command on the sample database: one page per call, as a fresh program shows it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_runner.h"

namespace vdbq::testing {
namespace {

using Json = nlohmann::json;

Json ShowJson(const std::string& kind, const std::string& key) {
  const CliRun run = RunCli({"--db", kSampleDbDir, "show", kind, key, "--format", "json"});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  return Json::parse(run.Out, nullptr, false);
}

TEST(ShowCommand, JobPageFields) {
  const Json page = ShowJson("job", "HFMASTER#VARNOLT_DBXTRACT");
  EXPECT_EQ(page["workstation"], "HFMASTER");
  EXPECT_EQ(page["jobName"], "VARNOLT_DBXTRACT");
  EXPECT_EQ(page["operatingSystem"], "unix");
  EXPECT_EQ(page["commandType"], "Scriptname ");
  EXPECT_EQ(page["command"], "\"/scheduler/varnolt/scripts/Varnolt_DBXtract.sh\"");
  EXPECT_EQ(page["runPlatform"], "UNIX/NT");
  EXPECT_EQ(page["logon"], "varnolt");
  EXPECT_EQ(page["recovery"], "STOP");
  EXPECT_EQ(page["interactive"], "no");
}

TEST(ShowCommand, JobOfAnUndefinedWorkstationIsShownAsInvalid) {
  const Json page = ShowJson("job", "HFOLD07#OLD_PAY_CALC");
  EXPECT_EQ(page["operatingSystem"], "unknown");
  EXPECT_EQ(page["logon"], "oldpay");
}

TEST(ShowCommand, MissingObjectsShowTheInitialValues) {
  const Json job = ShowJson("job", "HFMASTER#NO_SUCH_JOB");
  EXPECT_EQ(job["command"], "-");
  EXPECT_EQ(job["description"], "-");
  EXPECT_EQ(ShowJson("workstation", "NOWHERE")["operatingSystem"], "none");
  EXPECT_EQ(ShowJson("schedule", "HFMASTER#NOTHING")["lines"], Json::array());
  const Json parameter = ShowJson("parameter", "NOPARM");
  EXPECT_EQ(parameter["selected"], -1);
  EXPECT_EQ(parameter["description"], "");
}

TEST(ShowCommand, WorkstationSchedulesAndListsByFieldName) {
  const Json cpu = ShowJson("workstation", "HFWEB01");
  EXPECT_EQ(cpu["operatingSystem"], "windows");
  EXPECT_EQ(cpu["type"], "Fault-Tolerant Agent");
  EXPECT_EQ(cpu["behindFirewall"], "yes");
  const Json schedule = ShowJson("schedule", "HFBKP01#BACKUP_WEEKLY");
  ASSERT_TRUE(schedule["lines"].is_array());
  EXPECT_EQ(schedule["lines"][1],
            "* Saturday full backup, the operator mounts the off-site tape first");
  EXPECT_EQ(schedule["lines"].back(), "END");
  EXPECT_EQ(ShowJson("calendar", "WORKDAYS")["description"], "Working days Monday to Friday");
  EXPECT_EQ(ShowJson("resource", "HFWEB01#IISPOOL")["row"],
            (Json{"IISPOOL", "HFWEB01", "x4", "None"}));
  const Json prompt = ShowJson("prompt", "TAPE_MOUNTED");
  EXPECT_EQ(prompt["prompt"], "TAPE_MOUNTED");
  EXPECT_EQ(prompt["selected"], 3);
}

TEST(ShowCommand, TablePrintsHeadingsAndValues) {
  const CliRun run = RunCli({"--db", kSampleDbDir, "show", "job", "HFMPE01#PAY_CALC"});
  EXPECT_EQ(run.ExitStatus, 0);
  EXPECT_NE(run.Out.find("Run Platform     : MPE\n"), std::string::npos) << run.Out;
  EXPECT_NE(run.Out.find("Operating System : mpev\n"), std::string::npos);
}

TEST(ShowCommand, MalformedCallsExitWithTwo) {
  const CliRun noHash = RunCli({"--db", kSampleDbDir, "show", "schedule", "DAILY"});
  EXPECT_EQ(noHash.ExitStatus, 2);
  EXPECT_FALSE(noHash.Err.empty());
  EXPECT_TRUE(noHash.Out.empty());
  EXPECT_EQ(RunCli({"--db", kSampleDbDir, "show", "calendars", "X"}).ExitStatus, 2);
  EXPECT_EQ(RunCli({"--db", kSampleDbDir, "show", "job"}).ExitStatus, 2);
}

}  // namespace
}  // namespace vdbq::testing
