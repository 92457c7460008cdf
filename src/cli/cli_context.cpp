#include "cli/cli_context.h"

#include <iostream>

#include "core/audit/time_stamp.h"
#include "core/text/text_routines.h"

namespace vdbq::cli {
namespace {

std::string WithSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace

void PrintError(std::string_view message) {
  std::string line;
  for (const char c : message) {
    if (c != '\r' && c != '\n') {
      line.push_back(c);
    } else if (!line.empty() && line.back() != ' ') {
      line.push_back(' ');
    }
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  std::cerr << kProgramName << ": " << line << '\n';
}

std::string CliContext::DatabaseDir() const {
  if (!DatabaseDirOption.empty()) return WithSeparator(DatabaseDirOption);
  return Settings.DatabaseDir;
}

DayNumber CliContext::Today() const {
  if (TodayOption.empty()) {
    const TimeStamp now = TakeTimeStamp();
    return DayOf(now.StampYear, now.StampMonth, now.StampDay);
  }
  const auto day = ParseIsoDate(TodayOption);
  if (!day) throw CliExit{kExitFailure, "--today takes a date as YYYY-MM-DD: " + TodayOption};
  return *day;
}

std::string CliContext::LogDir() const {
  if (!LogDirOption.empty()) return WithSeparator(LogDirOption);
  return Settings.LogDir;
}

void CliContext::LoadDatabase() {
  try {
    Status = RefreshCatalogue(DatabaseDir(), Store, Catalogue);
  } catch (const ExtractFileError& error) {
    throw CliExit{kExitFailure, error.what()};
  }
  if (Store.ExtractsMissing) {
    // A new user of an installed program has no database yet; point at the one that ships.
    const bool offerSample = DatabaseDirOption.empty() && !SampleDir.empty();
    throw CliExit{kExitFailure,
                  offerSample ? Status + " (the sample database: --db " + SampleDir + ")" : Status};
  }
}

}  // namespace vdbq::cli
