#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace vdbq::testing {

// A fresh directory under the system's temporary directory, removed with everything in it
// when the object goes out of scope.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The directory as the programs keep directory settings: with a trailing separator.
  std::string DirText() const;
  // Writes a file below the directory (bytes as given) and returns its path.
  std::filesystem::path Write(const std::string& name, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
};

// The seven extract file names, for fixtures that want a complete database.
inline const char* const kExtractFileNames[] = {
    "Schedules.Xtract", "Jobs.Xtract",    "Parms.Xtract", "Resources.Xtract",
    "Calendars.Xtract", "Prompts.Xtract", "Cpus.Xtract"};

// Writes all seven extract files into dir; files not named in texts are written with
// a minimal valid content (headers only where the format has one).
void WriteExtractSet(const TempDir& dir, const std::map<std::string, std::string>& texts);

}  // namespace vdbq::testing
