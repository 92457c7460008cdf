#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_runner.h"
#include "support/temp_dir.h"

namespace vdbq::testing {
namespace {

const std::string kFaultyDb = std::string(kSampleDbDir) + "/../faulty-db";

TEST(CheckCommand, ErrorsGiveExitOneAndJsonFindings) {
  const CliRun run = RunCli({"--db", kFaultyDb, "check", "--format", "json"});
  ASSERT_EQ(run.ExitStatus, 1) << run.Err;
  const nlohmann::json out = nlohmann::json::parse(run.Out);
  EXPECT_EQ(out["totals"]["errors"], 15);
  EXPECT_EQ(out["totals"]["warnings"], 5);
  // Their order is the core's; here the fields of one as JSON.
  const nlohmann::json& first = out["findings"][0];
  EXPECT_EQ(first["rule"], "unused-calendar");
  EXPECT_EQ(first["severity"], "warning");
  EXPECT_EQ(first["kind"], "calendar");
  EXPECT_EQ(first["key"], "OLD_CLOSING");
  EXPECT_EQ(first["file"], "Calendars.Xtract");
  EXPECT_EQ(first["line"], 6);
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
