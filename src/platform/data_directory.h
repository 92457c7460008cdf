#pragma once

#include <string>

namespace vdbq {

// Where the program keeps what it writes (database, logs, saves, transfer scripts), with a
// trailing separator. A program run where it was built or unpacked keeps all of it beside
// itself, as it always has. An installed program (its sample database lies in the shared data
// directory) or one whose directory is read-only uses the user's data directory instead
// (QStandardPaths::AppDataLocation): an installed program must not write into bin/, even when
// run by a user who may. The user's data directory is created when missing.
std::string DataDirectory(const std::string& programDir);

// The sample database shipped with an installed program, with a trailing separator; "" when
// programDir is not an installed program's.
std::string BundledSampleDirectory(const std::string& programDir);

// A first start (no database directory in the settings) on a database directory without a
// single extract copies the bundled sample there, so that a new user sees data at once.
// Returns whether it copied; a file that cannot be copied leaves the directory as it was.
bool SeedSampleDatabase(const std::string& sampleDir, const std::string& databaseDir);

}  // namespace vdbq
