#include "core/audit/audit_log.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

namespace vdbq {

namespace {

constexpr char kLineEnd[] = "\r\n";

// Writes one whole line to a file opened with mode; false when the file could not be opened.
bool WriteLine(const std::string& fileName, const char* mode, const std::string& line) {
  std::FILE* file = std::fopen(fileName.c_str(), mode);
  if (file == nullptr) return false;
  const std::size_t written = std::fwrite(line.data(), 1, line.size(), file);
  int error = written == line.size() ? 0 : errno;
  if (std::fclose(file) != 0 && error == 0) error = errno;
  if (written != line.size() || error != 0) {
    throw std::system_error(error != 0 ? error : EIO, std::generic_category(),
                            "Cannot write the audit log file " + fileName);
  }
  return true;
}

}  // namespace

AuditLog::AuditLog(const Settings& settings, Clock clock)
    : settings_(settings), clock_(std::move(clock)) {
  TakeTimeStamp();
}

void AuditLog::TakeTimeStamp() { stamp_ = ToFileTimeResolution(clock_()); }

std::string AuditLog::StartStamp() const { return ::vdbq::StartStamp(stamp_); }

std::string AuditLog::FileName() const {
  return settings_.LogDir + StartStamp().substr(0, 8) + kAuditFileSuffix;
}

void AuditLog::StartAuditLog() {
  EnsureDirectories(settings_);
  WriteLine(FileName(), "wb", kAuditBanner + DateTimeText(clock_()) + kLineEnd);
}

void AuditLog::AppendAuditLine(const std::string& auditText) {
  auditTexts_.push_back(auditText);
  const std::string fileName = FileName();
  std::error_code ignored;
  if (!std::filesystem::exists(std::filesystem::path(fileName), ignored)) StartAuditLog();
  WriteLine(fileName, "ab", DateTimeText(clock_()) + auditText + kLineEnd);
}

}  // namespace vdbq
