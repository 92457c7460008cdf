#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/audit/time_stamp.h"
#include "core/settings/settings.h"

namespace vdbq {

// Name of the daily log file after the date of the stamp.
inline constexpr char kAuditFileSuffix[] = ".VarnoltDBQ.Log";
inline constexpr char kAuditBanner[] = ">>>>> ZQ Varnolt Gui Audit Log : Started On ";

// The append-only daily audit log. The file is opened and closed for every line, so it is
// complete on disk after each one; no handle is kept between lines.
class AuditLog {
 public:
  // The local date and time now, to the second.
  using Clock = std::function<TimeStamp()>;

  // Takes the time stamp from the clock. The settings must outlive the log: LogDir is read at
  // every line, so a changed log directory applies from the next line on.
  explicit AuditLog(const Settings& settings, Clock clock = CurrentLocalTime);

  // Takes a new stamp; from then on lines go to the file of the stamp's day.
  void TakeTimeStamp();
  void SetStamp(const TimeStamp& stamp) { stamp_ = stamp; }
  const TimeStamp& Stamp() const { return stamp_; }
  std::string StartStamp() const;

  // LogDir + the stamp's date as YYYYMMDD + kAuditFileSuffix.
  std::string FileName() const;

  // Appends the current date and time followed by auditText, starting the day's file when it
  // does not exist. A file that cannot be opened loses the line without a word; a write that
  // fails once the file is open throws std::system_error.
  void AppendAuditLine(const std::string& auditText);

  // Creates (or empties) the day's file and writes the banner, after EnsureDirectories.
  void StartAuditLog();

  // The text of every line asked for in this run, in order, whether or not a file took it.
  const std::vector<std::string>& AuditTexts() const { return auditTexts_; }

 private:
  const Settings& settings_;
  Clock clock_;
  TimeStamp stamp_;
  std::vector<std::string> auditTexts_;
};

}  // namespace vdbq
