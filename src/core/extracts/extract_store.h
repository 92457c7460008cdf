#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/extracts/line_list.h"

namespace vdbq {

// One row of the parameter or prompt list: the object's name and its value or prompt text.
struct NameValue {
  std::string Name;
  std::string Value;
  // The row's line in its file, from 0, so that a finding can point at it.
  long long Line = 0;
};

// A file that exists but cannot be read. Loading stops; the caller shows the message.
class ExtractFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kSchedulesFile = "Schedules.Xtract";
inline constexpr const char* kJobsFile = "Jobs.Xtract";
inline constexpr const char* kParmsFile = "Parms.Xtract";
inline constexpr const char* kResourcesFile = "Resources.Xtract";
inline constexpr const char* kCalendarsFile = "Calendars.Xtract";
inline constexpr const char* kPromptsFile = "Prompts.Xtract";
inline constexpr const char* kCpusFile = "Cpus.Xtract";
// The order in which the files are loaded; loading stops at the first missing one.
inline constexpr const char* kExtractLoadOrder[] = {
    kSchedulesFile, kJobsFile, kParmsFile, kResourcesFile, kCalendarsFile, kPromptsFile, kCpusFile};

// The end mark after the last used block start for small files; larger files get their line
// count instead, so that a block walk always ends at the end of the list.
inline constexpr long long kBlockEndMark = 99999;

// Everything loaded from the seven extract files, replaced by every complete load.
struct ExtractStore {
  LineList ScheduleLines;
  LineList JobLines;
  LineList CpuLines;
  LineList CalendarLines;
  LineList ResourceLines;
  std::vector<NameValue> ParameterList;
  std::vector<NameValue> PromptList;

  bool ExtractsMissing = false;
  // The file that was found missing by the last load ("" when none was).
  std::string MissingFile;

  // Counts, set only by a complete load.
  long long ScheduleLineCount = 0;
  long long JobLineCount = 0;
  long long CpuLineCount = 0;
  long long CalendarLineCount = 0;
  long long ResourceLastLine = 0;
  long long ParameterLastLine = 0;
  long long PromptLastLine = 0;
  long long ParameterTotal = 0;
  long long PromptTotal = 0;
  long long ResourceTotal = 0;

  // The oldest modification time of the seven files, without seconds ("Last Update :").
  std::string LastUpdate;
  // Titles of the parameter and prompt pages: the first row's name after a load.
  std::string ParameterPageTitle;
  std::string PromptPageTitle;

  // Element 0 is 0, element k the first line after the k-th END line, then the end mark.
  std::vector<long long> ScheduleBlockStart{0, kBlockEndMark};
  long long ScheduleBlockCount = 0;

  // The block holding schedule line `line` (the k with start[k] <= line < start[k + 1]).
  long long BlockOfLine(long long line) const;
  // The first line of the block after the one holding `line`: where a walk goes on after a
  // schedule. Never below the line count, so a walk from there ends.
  long long NextBlockStart(long long line) const;
};

// Reads the seven files from databaseDir (which ends with a path separator) in load order.
// Throws ExtractFileError when a file exists but cannot be read.
void LoadExtracts(const std::string& databaseDir, ExtractStore& store);

// Reads only the named files (names as kExtractLoadOrder spells them) into their places in the
// store, as LoadExtracts reads them, for a command that needs no other; counts and LastUpdate
// are left alone. Throws ExtractFileError when a file cannot be read.
void LoadExtractFiles(const std::string& databaseDir, const std::vector<const char*>& names,
                      ExtractStore& store);

// The contents of the seven files, in load order (kExtractLoadOrder).
using ExtractTexts = std::array<std::string, std::size(kExtractLoadOrder)>;

// A complete load from texts already in memory, as LoadExtracts does it once it has read every
// file; no file has a modification time, so LastUpdate is empty.
void LoadExtractTexts(ExtractTexts texts, ExtractStore& store);

// Builds ScheduleBlockStart and ScheduleBlockCount and returns the schedule keys of every
// "SCHEDULE " line that holds "#", sorted: views into the schedule lines.
std::vector<std::string_view> IndexSchedules(ExtractStore& store);

// The name/value rule shared by the parameter and prompt files.
std::vector<NameValue> ReadNameValueRows(const LineList& lines, long long lastLine,
                                         const std::string& headerKeyword);

}  // namespace vdbq
