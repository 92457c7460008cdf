// The show command on the sample database: one page per call, as a fresh program shows it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_runner.h"

namespace vdbq::testing {
namespace {

using Json = nlohmann::json;

// One field of each kind of page; the page rules themselves are the core's tests.
TEST(ShowCommand, EveryKindOfPageAsJson) {
  const struct {
    const char* Kind;
    const char* Key;
    const char* Field;
    Json Expected;
  } cases[] = {
      {"job", "HFMASTER#VARNOLT_DBXTRACT", "command",
       "\"/scheduler/varnolt/scripts/Varnolt_DBXtract.sh\""},
      {"job", "HFOLD07#OLD_PAY_CALC", "operatingSystem", "unknown"},
      {"job", "HFMASTER#NO_SUCH_JOB", "description", "-"},
      {"workstation", "HFWEB01", "type", "Fault-Tolerant Agent"},
      {"workstation", "NOWHERE", "operatingSystem", "none"},
      {"schedule", "HFMASTER#NOTHING", "lines", Json::array()},
      {"calendar", "WORKDAYS", "description", "Working days Monday to Friday"},
      {"resource", "HFWEB01#IISPOOL", "row", Json{"IISPOOL", "HFWEB01", "x4", "None"}},
      {"parameter", "NOPARM", "selected", -1},
      {"prompt", "TAPE_MOUNTED", "selected", 3},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli({"--db", kSampleDbDir, "show", c.Kind, c.Key, "--format", "json"});
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    EXPECT_EQ(Json::parse(run.Out, nullptr, false)[c.Field], c.Expected) << c.Key;
  }
}

TEST(ShowCommand, TablePrintsHeadingsAndValuesAndMalformedCallsExitWithTwo) {
  const CliRun run = RunCli({"--db", kSampleDbDir, "show", "job", "HFMPE01#PAY_CALC"});
  EXPECT_EQ(run.ExitStatus, 0);
  EXPECT_NE(run.Out.find("Run Platform     : MPE\n"), std::string::npos) << run.Out;
  const CliRun noHash = RunCli({"--db", kSampleDbDir, "show", "schedule", "DAILY"});
  EXPECT_EQ(noHash.ExitStatus, 2);
  EXPECT_FALSE(noHash.Err.empty());
  EXPECT_TRUE(noHash.Out.empty());
  EXPECT_EQ(RunCli({"--db", kSampleDbDir, "show", "calendars", "X"}).ExitStatus, 2);
  EXPECT_EQ(RunCli({"--db", kSampleDbDir, "show", "job"}).ExitStatus, 2);
}

}  // namespace
}  // namespace vdbq::testing
