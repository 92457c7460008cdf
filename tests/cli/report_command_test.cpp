// The catalogue, report and html commands on the sample database and on small broken copies.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "cli_runner.h"
#include "support/temp_dir.h"
#include "support/test_helpers.h"

namespace vdbq::testing {
namespace {

using Json = nlohmann::json;

// Runs the CLI on a database with the audit log kept in a temporary directory.
class CliOnDatabase : public ::testing::Test {
 protected:
  CliRun Run(std::vector<std::string> arguments, const std::string& db = kSampleDbDir) {
    std::vector<std::string> all{"--db", db, "--today", "2026-12-06", "--log-dir", logs.DirText()};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return RunCli(all);
  }
  Json RunJson(std::vector<std::string> arguments) {
    const CliRun run = Run(std::move(arguments));
    EXPECT_EQ(run.ExitStatus, 0) << run.Err;
    return Json::parse(run.Out, nullptr, false);
  }
  // A copy of the sample database that a test may break.
  std::string SampleCopy() {
    std::filesystem::copy(kSampleDbDir, copy.Path(),
                          std::filesystem::copy_options::overwrite_existing |
                              std::filesystem::copy_options::recursive);
    return copy.DirText();
  }
  TempDir logs;
  TempDir copy;
};

TEST_F(CliOnDatabase, CatalogueShowsEveryHeadingWithTheSampleObjects) {
  const Json out = RunJson({"catalogue", "--format", "json"});
  EXPECT_EQ(out["status"], "Ready.");
  EXPECT_FALSE(out["lastUpdate"].get<std::string>().empty());
  ASSERT_EQ(out["tree"].size(), 9u);
  EXPECT_EQ(out["tree"][2]["caption"], "Schedules (Invalid)");
  EXPECT_EQ(out["tree"][2]["children"][0]["caption"], "HFOLD07");
  EXPECT_EQ(out["totals"]["JobTotal"], 84);
}

TEST_F(CliOnDatabase, MissingUnreadableOrBrokenExtractIsReportedWithExitTwo) {
  const std::string db = SampleCopy();
  std::ofstream(std::filesystem::path(db) / "Calendars.Xtract", std::ios::binary)
      << "$CALENDAR\nBAD\t\"broken\"\n  01/XX/27\n";
  const CliRun broken = Run({"report", "C#3"}, db);
  EXPECT_EQ(broken.ExitStatus, 2);
  EXPECT_NE(broken.Err.find("'XX' is not a valid integer value"), std::string::npos);
  std::filesystem::remove(std::filesystem::path(db) / "Calendars.Xtract");
  const CliRun run = Run({"catalogue"}, db);
  EXPECT_EQ(run.ExitStatus, 2);
  EXPECT_NE(run.Err.find("Varnolt Database Extracts Not Found!"), std::string::npos);
  EXPECT_EQ(Run({"report", "S#1"}, db).ExitStatus, 2);
  std::filesystem::create_directory(std::filesystem::path(db) / "Calendars.Xtract");
  const CliRun unreadable = Run({"catalogue", "--format", "json"}, db);
  EXPECT_EQ(unreadable.ExitStatus, 2);
  EXPECT_NE(unreadable.Err.find("Calendars.Xtract"), std::string::npos);
  EXPECT_TRUE(unreadable.Out.empty());
}

TEST_F(CliOnDatabase, ReportsAsJsonCarryRowsStylesWidthsAndHint) {
  // Every report finding rows is the core's frames table; here the JSON shape of two of them.
  const std::vector<std::pair<std::string, std::string>> runs{{"S#1", ""},
                                                              {"S#5", "HFFIN01#GL_POSTING"}};
  for (const auto& [code, search] : runs) {
    const CliRun run = Run({"report", code, search, "--format", "json", "--styles"});
    ASSERT_EQ(run.ExitStatus, 0) << code << ": " << run.Err;
    const Json out = Json::parse(run.Out, nullptr, false);
    EXPECT_GT(out["rows"].size(), 0u) << code;
    EXPECT_EQ(out["styles"].size(), out["rows"].size()) << code;
    EXPECT_EQ(out["widths"].size(), 9u) << code;
    EXPECT_NE(out["hint"], "") << code;
  }
  // A rejected search shows no list in JSON either.
  const Json out =
      Json::parse(Run({"report", "J#3", "dw_", "--format", "json"}).Out, nullptr, false);
  EXPECT_EQ(out["reportNumber"], 0);
  EXPECT_EQ(out["widths"], Json::array({0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(CliOnDatabase, AuditLinesReachTheLogDirectory) {
  ASSERT_EQ(Run({"report", "W#3"}).ExitStatus, 0);
  std::string text;
  for (const auto& entry : std::filesystem::directory_iterator(logs.Path())) {
    text += ReadFile(entry.path());
  }
  EXPECT_NE(text.find(">>>>> ZQ Varnolt Gui Audit Log : Started On "), std::string::npos);
  EXPECT_NE(text.find("Run Report W#3:\r\n"), std::string::npos);
}

TEST_F(CliOnDatabase, CsvIsTheExportFileText) {
  const CliRun run = Run({"report", "C#2", "--format", "csv"});
  EXPECT_EQ(run.ExitStatus, 0);
  EXPECT_NE(run.Out.find("\r\n"), std::string::npos);
  EXPECT_NE(run.Out.find("AUDIT_DAYS\r\n"), std::string::npos);
}

TEST_F(CliOnDatabase, HtmlDocumentOfASchedule) {
  const CliRun run = Run({"html", "HFDWH01#DW_NIGHTLY"});
  ASSERT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(run.Out.rfind("<HTML>", 0), 0u);
  EXPECT_NE(run.Out.find("DW_NIGHTLY"), std::string::npos);
  EXPECT_NE(run.Out.find("\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vdbq::testing
