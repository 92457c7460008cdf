#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/extracts/extract_store.h"
#include "core/reports/report_context.h"
#include "core/reports/result_list.h"

namespace vdbq {

// One schedule on a dependency path.
struct PathEntry {
  std::string Key;
  // 'O' the starting schedule, 'P' added as a predecessor, 'N' added as a successor.
  char Kind = 'O';
  std::string ScheduleFollows;
  // The references of its job FOLLOWS clauses that name jobs of other schedules.
  std::string JobFollows;
};

struct DependencyPath {
  // In the order they were found; the starting schedule first.
  std::vector<PathEntry> Entries;
  // The display order, as indexes into Entries.
  std::vector<size_t> Order;
};

// Workstation and schedule name of a search key: the text before and after its first "#",
// each cut to 16 characters.
struct PathStart {
  std::string Workstation;
  std::string ScheduleName;
};
PathStart PathStartOf(std::string_view searchKey);

// The path of the schedule whose SCHEDULE line continues with exactly searchKey: its
// predecessors and theirs, its successors and theirs, in dependency order. Nothing when the
// schedule is not there.
std::optional<DependencyPath> FindDependencyPath(const ExtractStore& store,
                                                 std::string_view searchKey, Progress& progress);

// Puts the entries in dependency order: an entry moves to the first earlier place whose entry
// follows it, pass after pass, until a pass moves nothing or as many passes as entries ran.
// More than 299 entries are put in an order where each stands before those that follow it,
// cycles kept together in the order found.
std::vector<size_t> OrderDependencyPath(const std::vector<PathEntry>& entries);

// The heading row, then per entry a row with its position, key and first follows items, and
// rows with its further items up to and including the first row that has none.
void AddDependencyPathRows(const DependencyPath& path, ResultList& results, Progress& progress);

}  // namespace vdbq
