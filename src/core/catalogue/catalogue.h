#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/extracts/extract_store.h"

namespace vdbq {

class ScheduleGraph;

// Picture numbers of the catalogue's image list (normal, selected).
struct PicturePair {
  int Normal = 0;
  int Selected = 0;
};

struct TreeNode {
  std::string Caption;
  PicturePair Pictures;
  std::vector<TreeNode> Children;
};

inline constexpr const char* kHeadingWorkstations = "Workstations";
inline constexpr const char* kHeadingSchedules = "Schedules";
inline constexpr const char* kHeadingSchedulesInvalid = "Schedules (Invalid)";
inline constexpr const char* kHeadingJobs = "Jobs";
inline constexpr const char* kHeadingJobsInvalid = "Jobs (Invalid)";
inline constexpr const char* kHeadingCalendars = "Calendars";
inline constexpr const char* kHeadingParameters = "Parameters";
inline constexpr const char* kHeadingPrompts = "Prompts";
inline constexpr const char* kHeadingResources = "Resources";

inline constexpr const char* kExtractsNotFound =
    "Varnolt Database Extracts Not Found! Please Check Import Directory And Perform Transfer If "
    "Necessary.";
inline constexpr const char* kRefreshing = "Refreshing...";
inline constexpr const char* kReady = "Ready.";

// A workstation and its normalised operating system ("UNIX", "WNT", "MPIX", "MPEV", "OTHER"),
// each cut to 16 characters.
struct CpuOsEntry {
  std::string Cpu;
  std::string Os;
};

struct CatalogueTotals {
  long long CpuTotal = 0;
  long long ScheduleBlockCount = 0;
  long long JobTotal = 0;
  long long CalendarTotal = 0;
  long long ParameterTotal = 0;
  long long PromptTotal = 0;
  long long ResourceTotal = 0;
};

// The keys of job header lines in a sorted order, with the jobs file they are read from. Each
// key is its offset in the file's bytes (low 40 bits) and its length (high 24 bits), so that a
// listing reads the keys without looking up their lines; when a key does not fit that, every
// entry is the key's line index instead.
struct SortedJobLines {
  unsigned long long JobLinesSerial = 0;
  long long JobLineCount = 0;
  bool LineIndexes = false;
  std::vector<unsigned long long> Entries;
};

// The catalogue tree and the lookups built with it.
struct Catalogue {
  std::vector<TreeNode> Tree;
  // "@:@" then each defined workstation followed by "@:@".
  std::string ValidCpuList = "@:@";
  // Each calendar name followed by a comma.
  std::string CalendarNameList;
  std::vector<CpuOsEntry> CpuOsTable;
  CatalogueTotals Totals;

  // Lists that some reports build on first use from the loaded extracts; every refresh empties
  // them so they are rebuilt from the new data. They are caches, hence mutable.
  mutable std::optional<std::string> ScheduledJobList;
  mutable std::optional<std::string> UsedCalendarList;
  // The schedule graph (see ScheduleGraphOf), shared so a drawing in progress keeps its own.
  mutable std::shared_ptr<const ScheduleGraph> Graph;
  // The job header lines in the order the job listings show them (see job_line_order.h).
  mutable std::optional<SortedJobLines> JobLinesByKey;
  mutable std::optional<SortedJobLines> JobLinesByName;

  bool IsDefinedCpu(std::string_view cpu) const;
  // The normalised operating system of a workstation, "" when the table does not hold it.
  std::string OsOfCpu(std::string_view cpu) const;
};

// Loads the extracts from databaseDir and rebuilds the catalogue; returns the status text that
// the status bar shows afterwards ("Ready." or the not-found message). Throws ExtractFileError
// when a file exists but cannot be read (the tree is then left empty).
std::string RefreshCatalogue(const std::string& databaseDir, ExtractStore& store,
                             Catalogue& catalogue);

// The build over extracts already loaded (the part of a refresh after the load).
void BuildCatalogue(ExtractStore& store, Catalogue& catalogue);

// The key of a job definition line: the text up to the first blank; "" for other lines.
std::string JobKeyOfLine(std::string_view line);
// The same without a copy: a view into the line.
std::string_view JobKeyView(std::string_view line);
// True when a jobs-file line starts a job definition as the catalogue counts them.
bool IsJobDefinitionLine(std::string_view line);

}  // namespace vdbq
