#pragma once

#include <memory>
#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/extracts/extract_store.h"
#include "core/memory/huge_pages.h"
#include "core/memory/tree_arena.h"

namespace vdbq {

class ScheduleGraph;
class Forecast;

// Picture numbers of the catalogue's image list (normal, selected).
struct PicturePair {
  int Normal = 0;
  int Selected = 0;
};

// A node of the catalogue tree. Captions are views into the loaded extracts (or constant
// texts): a refresh empties the tree before the extracts are replaced. Children are made with
// their parent's allocator, so that a whole tree lives in its catalogue's arena.
struct TreeNode {
  using allocator_type = std::pmr::polymorphic_allocator<>;

  TreeNode(std::string_view caption, PicturePair pictures, std::pmr::vector<TreeNode> children)
      : Caption(caption), Pictures(pictures), Children(std::move(children)) {}
  TreeNode(std::string_view caption, PicturePair pictures, allocator_type allocator = {})
      : Caption(caption), Pictures(pictures), Children(allocator) {}
  TreeNode(const TreeNode& other, allocator_type allocator)
      : Caption(other.Caption), Pictures(other.Pictures), Children(other.Children, allocator) {}
  TreeNode(TreeNode&& other, allocator_type allocator)
      : Caption(other.Caption),
        Pictures(other.Pictures),
        Children(std::move(other.Children), allocator) {}
  TreeNode(const TreeNode&) = default;
  TreeNode(TreeNode&&) = default;
  TreeNode& operator=(const TreeNode&) = default;
  TreeNode& operator=(TreeNode&&) = default;

  std::string_view Caption;
  PicturePair Pictures;
  std::pmr::vector<TreeNode> Children;
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

// The keys of job header lines in some order, with the jobs file they are read from. Each key
// is its offset in the file's bytes (low 40 bits) and its length (high 24 bits), so that a
// listing reads the keys without looking up their lines; when a key does not fit that, every
// entry is the key's line index instead.
struct JobKeyList {
  unsigned long long JobLinesSerial = 0;
  long long JobLineCount = 0;
  bool LineIndexes = false;
  HugeVector<unsigned long long> Entries;
};

// The catalogue tree and the lookups built with it. Not copied: its nodes live in its arena.
struct Catalogue {
  Catalogue() = default;
  Catalogue(const Catalogue&) = delete;
  Catalogue& operator=(const Catalogue&) = delete;

  // Declared before the tree, which it outlives.
  std::unique_ptr<TreeArena> Arena = std::make_unique<TreeArena>();
  std::pmr::vector<TreeNode> Tree{Arena.get()};
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
  // The run days of the schedules (see ForecastOf), emptied with the graph.
  mutable std::shared_ptr<const Forecast> RunDays;
  // The job header lines in file order, as the build found them, and in the orders the job
  // listings show them (see job_line_order.h).
  JobKeyList JobLinesInFileOrder;
  mutable std::optional<JobKeyList> JobLinesByKey;
  mutable std::optional<JobKeyList> JobLinesByName;

  // Empties the tree and frees its nodes.
  void ClearTree();
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
