#include "core/audit/audit_log.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <iomanip>
#include <locale>
#include <sstream>
#include <system_error>

#include "core/audit/time_stamp.h"
#include "support/temp_dir.h"
#include "support/test_helpers.h"

namespace vdbq {
namespace {

using testing::At;
using testing::ReadFile;
using testing::TempDir;
namespace fs = std::filesystem;

// A log over a temporary program directory whose clock the test sets.
struct LogFixture {
  TempDir dir;
  Settings settings = DefaultSettings(dir.DirText());
  TimeStamp now = At(2026, 12, 5, 14, 30, 15);
  AuditLog log{settings, [this] { return now; }};

  fs::path LogFile(const std::string& date) const {
    return dir.Path() / "Logs" / (date + ".VarnoltDBQ.Log");
  }
  std::string Banner() const { return kAuditBanner + DateTimeText(now) + "\r\n"; }
  std::string Line(const std::string& text) const { return DateTimeText(now) + text + "\r\n"; }
};

// The stamp is the clock at two-second resolution; the day's first line follows the banner.
TEST(AuditLog, FirstLineFollowsTheBannerLaterLinesAndLaterRunsAppend) {
  LogFixture f;
  EXPECT_EQ(f.log.StartStamp(), "20261205143014");
  EXPECT_EQ(f.log.FileName(), f.dir.DirText() + "Logs/20261205.VarnoltDBQ.Log");
  f.log.AppendAuditLine("Run Report S#1:A");
  const std::string first = f.Banner() + f.Line("Run Report S#1:A");
  EXPECT_EQ(ReadFile(f.LogFile("20261205")), first);
  f.now = At(2026, 12, 5, 18, 0, 0);
  AuditLog laterRun(f.settings, [&f] { return f.now; });
  laterRun.AppendAuditLine(" - Varnolt FTP Parm File Written Ok.");
  EXPECT_EQ(ReadFile(f.LogFile("20261205")),
            first + f.Line(" - Varnolt FTP Parm File Written Ok."));
}

TEST(AuditLog, UnwritableLogDirectoryIsSkippedSilentlyAndAChangedOneUsed) {
  LogFixture f;
  f.settings.LogDir = f.dir.DirText() + "missing/Logs/";
  EXPECT_NO_THROW(f.log.AppendAuditLine("Run Report S#1:"));
  EXPECT_FALSE(fs::exists(f.dir.Path() / "missing"));
  EXPECT_EQ(f.log.AuditTexts(), std::vector<std::string>{"Run Report S#1:"});
  // A changed log directory applies to the next line.
  f.settings.LogDir = f.dir.DirText() + "Other/";
  f.log.AppendAuditLine("Run Report W#2:");
  EXPECT_EQ(ReadFile(f.dir.Path() / "Other" / "20261205.VarnoltDBQ.Log"),
            f.Banner() + f.Line("Run Report W#2:"));
  EXPECT_EQ(f.log.AuditTexts(), (std::vector<std::string>{"Run Report S#1:", "Run Report W#2:"}));
}

TEST(AuditLog, RunPastMidnightKeepsTheStartDayUntilStampRetaken) {
  LogFixture f;
  f.now = At(2026, 12, 5, 23, 59, 0);
  f.log.TakeTimeStamp();
  f.log.AppendAuditLine("Run Report S#1:A");
  f.now = At(2026, 12, 6, 0, 5, 0);
  f.log.AppendAuditLine("Run Report S#2:B");
  EXPECT_TRUE(ReadFile(f.LogFile("20261205")).ends_with(f.Line("Run Report S#2:B")));
  EXPECT_FALSE(fs::exists(f.LogFile("20261206")));

  f.now = At(2026, 12, 6, 0, 6, 0);
  f.log.TakeTimeStamp();
  f.log.AppendAuditLine("Run Report S#3:C");
  EXPECT_EQ(ReadFile(f.LogFile("20261206")), f.Banner() + f.Line("Run Report S#3:C"));
}

TEST(AuditLog, DeletedOrRestartedFileStartsAgainWithABanner) {
  LogFixture f;
  f.log.AppendAuditLine("Run Report J#1:X");
  fs::remove(f.LogFile("20261205"));
  f.log.AppendAuditLine("Run Report J#2:Y");
  EXPECT_EQ(ReadFile(f.LogFile("20261205")), f.Banner() + f.Line("Run Report J#2:Y"));
  f.log.StartAuditLog();  // empties the day's file
  EXPECT_EQ(ReadFile(f.LogFile("20261205")), f.Banner());
}

#ifdef __linux__
TEST(AuditLog, FailingWriteAfterOpenIsRaised) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  LogFixture f;
  fs::create_directory(f.dir.Path() / "Logs");
  fs::create_symlink("/dev/full", f.LogFile("20261205"));
  EXPECT_THROW(f.log.AppendAuditLine("Run Report S#1:"), std::system_error);
}
#endif

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
  local.tm_year = 9999 - 1900;
  EXPECT_EQ(StampFromLocalTime(local).StampYear, 9999);
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

// A locale's date format may show the weekday and the day of the year, so both must be right
// around month ends, year ends and the leap years of the four-, hundred- and four-hundred-year
// rules; a day past its month's end is its month's last day.
struct CalendarDay {
  TimeStamp Stamp;
  const char* Expected;  // as "%Y-%m-%d %a %j" shows it
};

void PrintTo(const CalendarDay& day, std::ostream* out) { *out << day.Expected; }

class BrokenDownTimeTest : public ::testing::TestWithParam<CalendarDay> {};

TEST_P(BrokenDownTimeTest, HasTheDaysWeekdayAndDayOfTheYear) {
  const std::tm tm = BrokenDownTime(GetParam().Stamp);
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << std::put_time(&tm, "%Y-%m-%d %a %j");
  EXPECT_EQ(text.str(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Dates, BrokenDownTimeTest,
                         ::testing::Values(CalendarDay{At(1970, 1, 1), "1970-01-01 Thu 001"},
                                           CalendarDay{At(2026, 1, 0), "2026-01-01 Thu 001"},
                                           CalendarDay{At(2000, 2, 29), "2000-02-29 Tue 060"},
                                           CalendarDay{At(1900, 2, 29), "1900-02-28 Wed 059"},
                                           CalendarDay{At(2024, 2, 29), "2024-02-29 Thu 060"},
                                           CalendarDay{At(2025, 2, 29), "2025-02-28 Fri 059"},
                                           CalendarDay{At(2100, 2, 30), "2100-02-28 Sun 059"},
                                           CalendarDay{At(2026, 3, 1), "2026-03-01 Sun 060"},
                                           CalendarDay{At(2026, 11, 31), "2026-11-30 Mon 334"},
                                           CalendarDay{At(2024, 12, 31), "2024-12-31 Tue 366"},
                                           CalendarDay{At(2026, 12, 32), "2026-12-31 Thu 365"},
                                           CalendarDay{At(9999, 12, 31), "9999-12-31 Fri 365"}));

}  // namespace
}  // namespace vdbq
