#include "core/audit/time_stamp.h"

#include <gtest/gtest.h>

#include <ctime>

#include "support/test_helpers.h"

namespace vdbq {
namespace {

using testing::At;

TEST(TimeStamp, SecondsRoundDownToEvenAlsoInATakenStamp) {
  std::tm local{};
  local.tm_year = 126;
  local.tm_mon = 11;
  local.tm_mday = 5;
  local.tm_hour = 23;
  local.tm_min = 59;
  local.tm_sec = 59;
  EXPECT_EQ(StampFromLocalTime(local), At(2026, 12, 5, 23, 59, 58));
  local.tm_sec = 58;
  EXPECT_EQ(StampFromLocalTime(local).StampSecond, 58);
  EXPECT_EQ(ToFileTimeResolution(At(2026, 1, 1, 0, 0, 1)).StampSecond, 0);
  // A taken stamp has even seconds too.
  const TimeStamp stamp = TakeTimeStamp();
  EXPECT_EQ(stamp.StampSecond % 2, 0);
  EXPECT_GE(stamp.StampYear, 2024);
  // The start stamp is fourteen zero-padded digits.
  EXPECT_EQ(StartStamp(At(2026, 1, 2, 3, 4, 6)), "20260102030406");
  EXPECT_EQ(StartStamp(At(987, 12, 31, 23, 59, 58)), "09871231235958");
  // Midnight shows the date only, other times date, blank and time.
  const std::string date = DateTimeText(At(2026, 12, 5, 0, 0, 0));
  ASSERT_FALSE(date.empty());
  EXPECT_EQ(date.find(' '), std::string::npos);
  const std::string twoSecondsLater = DateTimeText(At(2026, 12, 5, 0, 0, 2));
  EXPECT_EQ(twoSecondsLater.rfind(date + " ", 0), 0u) << twoSecondsLater;
  EXPECT_GT(twoSecondsLater.size(), date.size() + 1);
  const std::string text = DateTimeText(At(2026, 12, 5, 14, 30, 16));
  EXPECT_EQ(text.rfind(date + " ", 0), 0u) << text;
  EXPECT_NE(text, DateTimeText(At(2026, 12, 5, 14, 30, 18)));
  EXPECT_NE(date, DateTimeText(At(2026, 12, 6, 0, 0, 0)));
  // Fields out of range still give text.
  EXPECT_FALSE(DateTimeText(At(0, 13, 40, 25, 61, 61)).empty());
  EXPECT_FALSE(DateTimeText(TimeStamp{}).empty());
}

}  // namespace
}  // namespace vdbq
