#include "cli/cli_context.h"

#include "core/text/text_routines.h"

namespace vdbq::cli {
namespace {

std::string WithSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace

std::string CliContext::DatabaseDir() const {
  if (!DatabaseDirOption.empty()) return WithSeparator(DatabaseDirOption);
  return Settings.DatabaseDir;
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
    throw CliExit{kExitFailure, Status};
  }
}

}  // namespace vdbq::cli
