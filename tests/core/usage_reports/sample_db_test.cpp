#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/reports/report_routines.h"
#include "result_table.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

using testing::Extracts;
using testing::ReportFixture;

// The bundled sample database, read into a fixture; nothing when it is not available.
std::optional<Extracts> SampleExtracts() {
  const char* dir = std::getenv("VARNOLTDBQ_SAMPLE_DB");
  if (dir == nullptr || *dir == '\0') return std::nullopt;
  Extracts extracts;
  for (const char* name : testing::kExtractFileNames) {
    std::ifstream in(std::filesystem::path(dir) / name, std::ios::binary);
    if (!in) return std::nullopt;
    std::stringstream text;
    text << in.rdbuf();
    extracts[name] = text.str();
  }
  return extracts;
}

TEST(SampleDatabase, GivesEveryCalendarAndUsageReportSomethingToShow) {
  const std::optional<Extracts> sample = SampleExtracts();
  if (!sample) GTEST_SKIP() << "sample database not available";
  ReportFixture fx(*sample);
  const std::pair<const char*, const char*> runs[] = {
      {"C#1", "HOLIDAYS"},     {"C#2", ""}, {"C#3", ""},       {"C#4", ""},
      {"R#1", "TAPES"},        {"R#2", ""}, {"P#1", "BINDIR"}, {"P#2", ""},
      {"D#1", "TAPE_MOUNTED"}, {"D#2", ""}};
  for (const auto& [code, search] : runs) {
    const long long before = fx.Results.RunsCompleted;
    fx.Run(code, search);
    EXPECT_EQ(fx.Results.RunsCompleted, before + 1) << code << ": " << fx.Panel.StatusText;
    EXPECT_FALSE(fx.Results.Rows.empty()) << code;
  }
  // Each usage check has objects in use and objects nobody uses.
  for (const char* code : {"R#2", "P#2", "D#2"}) {
    fx.Run(code);
    int unused = 0;
    for (const ResultRow& row : fx.Results.Rows) unused += row.Column(2) == "Not Used.";
    EXPECT_GT(unused, 0) << code;
    EXPECT_LT(unused, static_cast<int>(fx.Results.Rows.size())) << code;
  }
}

}  // namespace
}  // namespace vdbq
