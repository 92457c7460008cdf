#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_runner.h"
#include "support/temp_dir.h"

namespace vdbq::testing {
namespace {

struct SearchCall {
  std::vector<std::string> Arguments;
  int ExitStatus;
  const char* Needle;  // a text the output holds (stdout for 0 and 1, stderr for 2)
};

class SearchCommand : public ::testing::TestWithParam<SearchCall> {};

TEST_P(SearchCommand, ExitsAndPrintsAsDocumented) {
  TempDir dir;
  WriteExtractSet(dir, {{"Schedules.Xtract", "SCHEDULE CPU1#S1\nON MO\n:\nCPU1#LOAD_TAPE\nEND\n"},
                        {"Jobs.Xtract", "CPU1#LOAD_TAPE SCRIPTNAME \"/bin/tape.sh\"\n"},
                        {"Cpus.Xtract", "CPUNAME CPU1\nEND\n"}});
  std::vector<std::string> arguments = {"--db", dir.DirText(), "search"};
  arguments.insert(arguments.end(), GetParam().Arguments.begin(), GetParam().Arguments.end());
  const CliRun run = RunCli(arguments);
  ASSERT_EQ(run.ExitStatus, GetParam().ExitStatus) << run.Out << run.Err;
  const std::string& output = GetParam().ExitStatus == 2 ? run.Err : run.Out;
  EXPECT_NE(output.find(GetParam().Needle), std::string::npos) << output;
}

INSTANTIATE_TEST_SUITE_P(
    Calls, SearchCommand,
    ::testing::Values(
        SearchCall{{"tape"},
                   0,
                   "Schedules.Xtract:4:11  schedule CPU1#S1  CPU1#LOAD_TAPE\n"
                   "Jobs.Xtract:1:11  job CPU1#LOAD_TAPE  CPU1#LOAD_TAPE SCRIPTNAME"},
        SearchCall{{"tape", "--case"}, 0, "\n1 line found\n"},
        SearchCall{{"TAPE", "--kind", "schedule", "--kind", "workstation"}, 0, "\n1 line found\n"},
        SearchCall{{"TAPE", "--limit", "1"}, 0, "\n2 lines found, the first 1 shown\n"},
        SearchCall{{"^END$", "--regex"}, 0, "Cpus.Xtract:2:1  workstation CPU1  END\n"},
        SearchCall{{"MISSING"}, 1, "0 lines found"},
        SearchCall{{"(a*)*z", "--regex"}, 1, "0 lines found"},
        SearchCall{{"(abc", "--regex"}, 2, "Malformed regular expression \"(abc\""},
        SearchCall{{""}, 2, "The search text is empty."},
        SearchCall{{"x", "--kind", "table"}, 2, "--kind"}));

TEST(SearchCommandJson, HoldsEveryFieldOfAHit) {
  const CliRun run =
      RunCli({"--db", kSampleDbDir, "search", "--regex", "DW_(LOAD|MERGE)", "--format", "json",
              "--limit", "1"});
  ASSERT_EQ(run.ExitStatus, 0) << run.Err;
  const nlohmann::json out = nlohmann::json::parse(run.Out);
  EXPECT_EQ(out["pattern"], "DW_(LOAD|MERGE)");
  ASSERT_EQ(out["hits"].size(), 1U);
  const nlohmann::json& hit = out["hits"][0];
  EXPECT_EQ(hit["file"], "Schedules.Xtract");
  EXPECT_EQ(hit["kind"], "schedule");
  const std::string text = hit["text"];
  EXPECT_EQ(text.find("DW_"), static_cast<size_t>(hit["column"]) - 1) << text;
  EXPECT_GT(out["total"], 1);
  EXPECT_EQ(out["truncated"], true);
}

}  // namespace
}  // namespace vdbq::testing
