#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/reports/dependency_path.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

// Entry k is schedule A#S<k>; each entry's schedule follows name the given entries.
std::vector<PathEntry> Entries(const std::vector<std::vector<size_t>>& follows) {
  std::vector<PathEntry> entries;
  for (size_t k = 0; k < follows.size(); ++k) {
    PathEntry entry{"A#S" + std::to_string(k), k == 0 ? 'O' : 'P', "", ""};
    for (size_t f : follows[k]) {
      if (!entry.ScheduleFollows.empty()) entry.ScheduleFollows += ",";
      entry.ScheduleFollows += "A#S" + std::to_string(f) + ".@";
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<size_t> PlaceOf(const std::vector<size_t>& order) {
  std::vector<size_t> place(order.size());
  for (size_t p = 0; p < order.size(); ++p) place[order[p]] = p;
  return place;
}

TEST(PathOrder, LongerPathsPutEachEntryBeforeThoseThatFollowIt) {
  // A chain of 400 written last to first: entry k follows entry k + 1.
  std::vector<std::vector<size_t>> follows(400);
  for (size_t k = 0; k + 1 < follows.size(); ++k) follows[k] = {k + 1};
  const std::vector<size_t> order = OrderDependencyPath(Entries(follows));
  ASSERT_EQ(order.size(), 400u);
  for (size_t p = 0; p < order.size(); ++p) EXPECT_EQ(order[p], 399 - p);
}

TEST(PathOrder, LongerPathsKeepACycleTogetherInTheOrderFound) {
  // Entries 0 to 299 depend on nothing, except that 150 follows 350; entries 300 to 399 form
  // a ring (each follows the next, 399 follows 300) that 10 follows.
  std::vector<std::vector<size_t>> follows(400);
  follows[150] = {350};
  for (size_t k = 300; k < 400; ++k) follows[k] = {k == 399 ? 300 : k + 1};
  follows[10] = {399};
  const std::vector<size_t> order = OrderDependencyPath(Entries(follows));
  ASSERT_EQ(order.size(), 400u);
  std::vector<size_t> sorted = order;
  std::sort(sorted.begin(), sorted.end());
  for (size_t k = 0; k < sorted.size(); ++k) ASSERT_EQ(sorted[k], k);
  const std::vector<size_t> place = PlaceOf(order);
  // The ring comes as one run in the order found, before both entries that follow it.
  for (size_t k = 300; k < 399; ++k) EXPECT_EQ(place[k + 1], place[k] + 1);
  EXPECT_LT(place[399], place[10]);
  EXPECT_LT(place[399], place[150]);
  // Of the entries free to go, the one found first goes first.
  EXPECT_EQ(order[0], 0u);
  EXPECT_EQ(place[9] + 1, place[11]);
}

TEST(PathOrder, AReportOnARingOfThousandsOfSchedulesEnds) {
  // Found by the robustness tests: the passes over a long ring cost the square of its length
  // each, for as many passes as schedules.
  std::string schedules;
  const int count = 5000;
  for (int k = 0; k < count; ++k) {
    schedules += "SCHEDULE A#S" + std::to_string(k) + "\nFOLLOWS A#S" +
                 std::to_string((k + 1) % count) + ".@\n:\nEND\n";
  }
  testing::ReportFixture fx({{"Schedules.Xtract", schedules}});
  fx.Run("S#5", "A#S0");
  EXPECT_EQ(fx.Panel.StatusText, "Ready.");
  size_t positions = 0;
  for (const ResultRow& row : fx.Results.Rows) positions += row.Caption.empty() ? 0 : 1;
  EXPECT_EQ(positions, count + 1u);  // the heading and every schedule of the ring
}

}  // namespace
}  // namespace vdbq
