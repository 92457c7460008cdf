#include "core/audit/audit_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

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

}  // namespace
}  // namespace vdbq
