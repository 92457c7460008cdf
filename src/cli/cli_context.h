#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/forecast/civil_day.h"
#include "core/settings/settings.h"

namespace vdbq::cli {

// Exit statuses of the command line.
inline constexpr int kExitDone = 0;
inline constexpr int kExitNotCompleted = 1;
inline constexpr int kExitFailure = 2;

inline constexpr char kProgramName[] = "varnoltdbq-cli";

// Writes a message to stderr as scripts expect it: one line that begins with the program's
// name.
void PrintError(std::string_view message);

// Ends the command with a message on stderr and an exit status.
struct CliExit {
  int Status;
  std::string Message;
};

// The options every command shares, and the database they lead to.
struct CliContext {
  std::string DatabaseDirOption;  // --db, "" when not given
  std::string TodayOption;        // --today, "" when not given
  std::string LogDirOption;       // --log-dir, "" when not given
  std::string ProgramDir;         // the directory of the executable, with a trailing separator
  std::string SampleDir;          // the sample database of an installed program, else ""
  vdbq::Settings Settings;

  ExtractStore Store;
  vdbq::Catalogue Catalogue;
  std::string Status;  // the status text after the load

  // The database directory: --db (with a separator added), else the settings' DatabaseDir.
  std::string DatabaseDir() const;
  std::string LogDir() const;
  // The date the calendar reports and the run days take as today: --today, else the clock.
  // Throws CliExit (status 2) for a --today that is no date.
  DayNumber Today() const;

  // Loads the extracts and builds the catalogue as a fresh start of the program would.
  // Throws CliExit (status 2) when the extracts are missing or a file cannot be read.
  void LoadDatabase();
};

}  // namespace vdbq::cli
