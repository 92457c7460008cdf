#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_runner.h"
#include "support/temp_dir.h"

namespace vdbq::testing {
namespace {

struct ImpactCall {
  std::vector<std::string> Arguments;
  int ExitStatus;
  const char* Needle;  // a text the output holds (stdout for 0, stderr otherwise)
};

class ImpactCommand : public ::testing::TestWithParam<ImpactCall> {};

TEST_P(ImpactCommand, ExitsAndPrintsAsDocumented) {
  TempDir dir;
  WriteExtractSet(dir, {{"Schedules.Xtract",
                         "SCHEDULE CPU1#S1\nON HOLS\n:\nCPU1#LOAD\nEND\n"
                         "SCHEDULE CPU1#S2\nFOLLOWS S1\n:\nCPU1#LOAD\nEND\n"},
                        {"Jobs.Xtract", "CPU1#LOAD SCRIPTNAME \"/bin/load.sh\"\n"},
                        {"Calendars.Xtract", "$CALENDAR\nHOLS \"Holidays\"\n"},
                        {"Cpus.Xtract", "CPUNAME CPU1\nEND\n"}});
  std::vector<std::string> arguments = {"--db", dir.DirText(), "impact"};
  arguments.insert(arguments.end(), GetParam().Arguments.begin(), GetParam().Arguments.end());
  const CliRun run = RunCli(arguments);
  ASSERT_EQ(run.ExitStatus, GetParam().ExitStatus) << run.Out << run.Err;
  const std::string& output = GetParam().ExitStatus == 0 ? run.Out : run.Err;
  EXPECT_NE(output.find(GetParam().Needle), std::string::npos) << output;
}

INSTANTIATE_TEST_SUITE_P(
    Calls, ImpactCommand,
    ::testing::Values(
        ImpactCall{{"calendar", "HOLS"},
                   0,
                   "Impact of calendar HOLS\nDirect users: 1\n"
                   "  Schedules.Xtract:2  ON        schedule CPU1#S1\n"
                   "Downstream schedules: 2\n  1    CPU1#S1\n  2    CPU1#S2\n"
                   "Check findings if removed: 1\n  Schedules.Xtract:2  error    "
                   "undefined-calendar  schedule CPU1#S1: Calendar HOLS is not defined in "
                   "Calendars.Xtract\n"},
        ImpactCall{{"job", "CPU1#LOAD", "--format", "json"},
                   0,
                   "\"direct\": [\n    {\n      \"kind\": \"schedule\",\n      \"key\": "
                   "\"CPU1#S1\",\n      \"file\": \"Schedules.Xtract\",\n      \"line\": 4,\n"
                   "      \"how\": \"job line\"\n    },"},
        ImpactCall{{"schedule", "CPU1#S1", "--format", "json"},
                   0,
                   "\"downstream\": [\n    {\n      \"key\": \"CPU1#S2\",\n      \"steps\": 1\n"},
        ImpactCall{{"schedule", "CPU1#S3"}, 1, "Schedule not found: CPU1#S3"},
        ImpactCall{{"workstation", "CPU1"}, 2, "workstation"}, ImpactCall{{"calendar"}, 2, "KEY"}));

TEST(ImpactCommandDatabase, MissingExtractsExitTwo) {
  TempDir dir;
  const CliRun run = RunCli({"--db", dir.DirText(), "impact", "calendar", "HOLS"});
  EXPECT_EQ(run.ExitStatus, 2) << run.Out << run.Err;
}

}  // namespace
}  // namespace vdbq::testing
