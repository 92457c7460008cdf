#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_runner.h"
#include "support/temp_dir.h"

namespace vdbq::testing {
namespace {

const std::string kFaultyDb = std::string(kSampleDbDir) + "/../faulty-db";

TEST(CheckCommand, ErrorsGiveExitOneAndJsonSortedByFileLineRule) {
  const CliRun run = RunCli({"--db", kFaultyDb, "check", "--format", "json"});
  ASSERT_EQ(run.ExitStatus, 1) << run.Err;
  const nlohmann::json out = nlohmann::json::parse(run.Out);
  EXPECT_EQ(out["totals"]["errors"], 15);
  EXPECT_EQ(out["totals"]["warnings"], 5);
  const nlohmann::json& findings = out["findings"];
  for (size_t k = 1; k < findings.size(); ++k) {
    const auto key = [](const nlohmann::json& f) {
      return std::make_tuple(f["file"].get<std::string>(), f["line"].get<long long>(),
                             f["rule"].get<std::string>());
    };
    EXPECT_LE(key(findings[k - 1]), key(findings[k]));
  }
  const nlohmann::json& first = findings[0];
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
