#include "core/reports/dependency_path.h"

#include <algorithm>
#include <numeric>
#include <queue>
#include <unordered_set>

#include "core/reports/dot_reference_index.h"
#include "core/reports/path_follows.h"
#include "core/reports/path_schedule_index.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// The fields of a comma-separated text; field n is what CsvField gives for n up to their count.
std::vector<std::string_view> Fields(std::string_view text) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (true) {
    const size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) break;
    fields.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  fields.push_back(text.substr(start));
  return fields;
}

std::string FieldOr(const std::vector<std::string_view>& fields, size_t n) {
  return n >= 1 && n <= fields.size() ? std::string(fields[n - 1]) : std::string();
}

// Gathers the path as the report defines it: predecessors by following references back, then
// the schedules that name the starting schedule, then (for each successor and each schedule
// added after it) the schedules that name that one, with the predecessors of each of them.
// Each gathering is a walk over all schedules in file order that skips the schedules already
// listed; the walks are answered from the index, in the same order and with the same outcome.
class PathCollector {
 public:
  PathCollector(const PathScheduleIndex& index, const LineList& lines, Progress& progress)
      : index_(index), lines_(lines), progress_(progress) {}

  std::vector<PathEntry> Collect(const PathSchedule& start, const PathStart& names) {
    Add(LoadEntry(names.Workstation + "#" + names.ScheduleName, start, 'O'));
    for (size_t k = 0; k < entries_.size(); ++k) AddPredecessors(k);
    const size_t firstSuccessor = entries_.size();
    // The direct successors are matched by the schedule's name on any workstation.
    Walk(names.ScheduleName, [this](const PathSchedule& s) { Add(EntryOf(s, 'N')); });
    if (entries_.size() == firstSuccessor) return std::move(entries_);
    for (size_t k = firstSuccessor; k < entries_.size(); ++k) {
      const std::string key = entries_[k].Key;
      Walk(key, [this](const PathSchedule& successor) {
        Add(EntryOf(successor, 'N'));
        AddPredecessors(entries_.size() - 1);
        Walk(successor.Key, [this](const PathSchedule& s) { Add(EntryOf(s, 'N')); });
      });
    }
    return std::move(entries_);
  }

 private:
  static PathEntry EntryOf(const PathSchedule& schedule, char kind) {
    return PathEntry{schedule.Key, kind, schedule.Follows.ScheduleFollows,
                     schedule.Follows.JobFollows};
  }

  // The schedule read under key; references without a workstation take the key's.
  PathEntry LoadEntry(const std::string& key, const PathSchedule& schedule, char kind) const {
    const std::string_view workstation = WorkstationOfKey(key);
    if (workstation == WorkstationOfKey(schedule.Key)) {
      PathEntry entry = EntryOf(schedule, kind);
      entry.Key = key;
      return entry;
    }
    PathFollows follows = ReadPathFollows(lines_, schedule.Line + 1, schedule.Limit, workstation);
    return PathEntry{key, kind, std::move(follows.ScheduleFollows), std::move(follows.JobFollows)};
  }

  void Add(PathEntry entry) {
    listed_.insert(entry.Key);
    entries_.push_back(std::move(entry));
  }

  // Every schedule that entry k names before a "." and that the extract holds, in the order
  // named, schedule follows first; an item without a schedule part ends its list.
  void AddPredecessors(size_t k) {
    const std::string workstation(WorkstationOfKey(entries_[k].Key));
    const std::string lists[] = {entries_[k].ScheduleFollows, entries_[k].JobFollows};
    for (const std::string& list : lists) {
      for (std::string_view item : Fields(list)) {
        progress_.Tick();
        const size_t dot = item.find('.');
        if (dot == std::string_view::npos || dot == 0) break;
        std::string key(item.substr(0, dot));
        if (key.find('#') == std::string::npos) key = workstation + "#" + key;
        if (listed_.contains(key)) continue;
        if (const PathSchedule* found = index_.Find(key)) Add(LoadEntry(key, *found, 'P'));
      }
    }
  }

  // A walk from the first line: a SCHEDULE line whose key is listed it passes, any other it
  // reads. Reading stops after the END line or before the next SCHEDULE line and the walk goes
  // on from there, so it meets every SCHEDULE line, also one whose block lost its END line.
  // onMatch gets every schedule it reads that refers to name, in file order, and may add
  // entries (which later parts of the walk see).
  template <typename OnMatch>
  void Walk(const std::string& name, OnMatch onMatch) {
    for (uint32_t id : index_.ReferringCandidates(name)) {
      progress_.Tick();
      const PathSchedule& schedule = index_.Schedules()[id];
      if (listed_.contains(schedule.Key)) continue;
      if (Refers(schedule.Follows.ScheduleFollows, schedule.Follows.AllJobFollows, name)) {
        onMatch(schedule);
      }
    }
  }

  const PathScheduleIndex& index_;
  const LineList& lines_;
  Progress& progress_;
  std::vector<PathEntry> entries_;
  std::unordered_set<std::string> listed_;
};

// Entries whose order comes from the passes: as many as the order table of the report holds.
// Passes cost up to the cube of the entry count, so a longer path (which the table never held)
// is ordered in one go instead.
constexpr size_t kPassOrderLimit = 299;

// The passes: an entry moves to the first earlier place whose entry follows it, pass after
// pass, until a pass moves nothing. Entries that follow one another in a cycle would move for
// ever; the order after as many passes as entries stands.
std::vector<size_t> OrderByPasses(const std::vector<std::vector<uint32_t>>& followers) {
  const size_t n = followers.size();
  std::vector<size_t> order(n);
  std::iota(order.begin(), order.end(), size_t{0});
  std::vector<size_t> place = order;
  for (size_t pass = 0; pass < n; ++pass) {
    bool moved = false;
    for (size_t i = 0; i < n; ++i) {
      size_t first = i;
      for (uint32_t f : followers[order[i]]) first = std::min(first, place[f]);
      if (first == i) continue;
      std::rotate(order.begin() + static_cast<long>(first), order.begin() + static_cast<long>(i),
                  order.begin() + static_cast<long>(i) + 1);
      for (size_t p = first; p <= i; ++p) place[order[p]] = p;
      moved = true;
    }
    if (!moved) break;
  }
  return order;
}

// The groups of entries that follow one another in a cycle (strongly connected components,
// found without recursion, so that a path of any length fits on the stack), as the group of
// each entry; groups are numbered in the order they are completed.
std::vector<size_t> CycleGroups(const std::vector<std::vector<uint32_t>>& followers,
                                size_t& groupCount) {
  const size_t n = followers.size();
  constexpr size_t kUnvisited = static_cast<size_t>(-1);
  std::vector<size_t> index(n, kUnvisited), low(n, 0), group(n, kUnvisited);
  std::vector<size_t> stack, calls;
  std::vector<size_t> nextFollower(n, 0);
  std::vector<bool> onStack(n, false);
  size_t counter = 0;
  groupCount = 0;
  for (size_t root = 0; root < n; ++root) {
    if (index[root] != kUnvisited) continue;
    calls.push_back(root);
    while (!calls.empty()) {
      const size_t e = calls.back();
      if (index[e] == kUnvisited) {
        index[e] = low[e] = counter++;
        stack.push_back(e);
        onStack[e] = true;
      }
      if (nextFollower[e] < followers[e].size()) {
        const size_t f = followers[e][nextFollower[e]++];
        if (index[f] == kUnvisited) {
          calls.push_back(f);
        } else if (onStack[f]) {
          low[e] = std::min(low[e], index[f]);
        }
        continue;
      }
      calls.pop_back();
      if (!calls.empty()) low[calls.back()] = std::min(low[calls.back()], low[e]);
      if (low[e] != index[e]) continue;
      for (;;) {
        const size_t member = stack.back();
        stack.pop_back();
        onStack[member] = false;
        group[member] = groupCount;
        if (member == e) break;
      }
      ++groupCount;
    }
  }
  return group;
}

// Dependency order in one go: every entry before the entries that follow it, entries of one
// cycle together in the order they were found, and of the entries free to go next always the
// one found first.
std::vector<size_t> OrderByComponents(const std::vector<std::vector<uint32_t>>& followers) {
  const size_t n = followers.size();
  size_t groupCount = 0;
  const std::vector<size_t> group = CycleGroups(followers, groupCount);
  std::vector<std::vector<size_t>> members(groupCount);
  for (size_t e = 0; e < n; ++e) members[group[e]].push_back(e);
  std::vector<size_t> waitingOn(groupCount, 0);
  std::vector<std::vector<size_t>> next(groupCount);
  for (size_t e = 0; e < n; ++e) {
    for (uint32_t f : followers[e]) {
      if (group[f] == group[e]) continue;
      next[group[e]].push_back(group[f]);
      ++waitingOn[group[f]];
    }
  }
  // Groups by their first member, earliest first.
  using Ready = std::pair<size_t, size_t>;
  std::priority_queue<Ready, std::vector<Ready>, std::greater<>> ready;
  for (size_t g = 0; g < groupCount; ++g) {
    if (waitingOn[g] == 0) ready.emplace(members[g].front(), g);
  }
  std::vector<size_t> order;
  order.reserve(n);
  while (!ready.empty()) {
    const size_t g = ready.top().second;
    ready.pop();
    order.insert(order.end(), members[g].begin(), members[g].end());
    for (size_t h : next[g]) {
      if (--waitingOn[h] == 0) ready.emplace(members[h].front(), h);
    }
  }
  return order;
}

}  // namespace

PathStart PathStartOf(std::string_view searchKey) {
  const long long hash = Find("#", searchKey);
  return PathStart{Copy(searchKey, 1, std::min<long long>(hash - 1, 16)),
                   Copy(CopyFrom(searchKey, hash + 1), 1, 16)};
}

std::optional<DependencyPath> FindDependencyPath(const ExtractStore& store,
                                                 std::string_view searchKey, Progress& progress) {
  const PathScheduleIndex index(store, progress);
  const PathSchedule* start = index.Find(searchKey);
  if (start == nullptr) return std::nullopt;
  DependencyPath path;
  path.Entries =
      PathCollector(index, store.ScheduleLines, progress).Collect(*start, PathStartOf(searchKey));
  path.Order = OrderDependencyPath(path.Entries);
  return path;
}

std::vector<size_t> OrderDependencyPath(const std::vector<PathEntry>& entries) {
  const size_t n = entries.size();
  // followers[e]: the entries whose follows hold e's key followed by ".".
  DotReferenceIndex index(DotReferenceIndex::Match::kSegmentTail);
  for (const PathEntry& entry : entries) index.Expect(entry.Key);
  for (size_t e = 0; e < n; ++e) {
    index.Add(static_cast<uint32_t>(e), entries[e].ScheduleFollows);
    index.Add(static_cast<uint32_t>(e), entries[e].JobFollows);
  }
  std::vector<std::vector<uint32_t>> followers(n);
  for (size_t e = 0; e < n; ++e) {
    const std::string pattern = entries[e].Key + ".";
    for (uint32_t f : index.Candidates(entries[e].Key)) {
      if (Contains(entries[f].ScheduleFollows, pattern) ||
          Contains(entries[f].JobFollows, pattern)) {
        followers[e].push_back(f);
      }
    }
  }

  return n <= kPassOrderLimit ? OrderByPasses(followers) : OrderByComponents(followers);
}

void AddDependencyPathRows(const DependencyPath& path, ResultList& results, Progress& progress) {
  results.AddRow("Seq.", {"Workstation", "Schedule", "Schedule Follows", "Job Follows"});
  for (size_t p = 1; p <= path.Order.size(); ++p) {
    progress.Tick();
    const PathEntry& entry = path.Entries[path.Order[p - 1]];
    std::string caption = "000" + std::to_string(p);
    caption.erase(0, caption.size() - 3);
    if (entry.Kind == 'O') caption += '>';
    const size_t hash = entry.Key.find('#');
    std::string workstation = hash == std::string::npos ? "" : entry.Key.substr(0, hash);
    std::string name = hash == std::string::npos ? entry.Key : entry.Key.substr(hash + 1);
    const std::vector<std::string_view> scheduleFollows = Fields(entry.ScheduleFollows);
    const std::vector<std::string_view> jobFollows = Fields(entry.JobFollows);
    results.AddRow(std::move(caption), {std::move(workstation), std::move(name),
                                        FieldOr(scheduleFollows, 1), FieldOr(jobFollows, 1)});
    for (size_t m = 2;; ++m) {
      std::string scheduleItem = FieldOr(scheduleFollows, m);
      std::string jobItem = FieldOr(jobFollows, m);
      const bool last = scheduleItem.empty() && jobItem.empty();
      results.AddRow("", {"", "", std::move(scheduleItem), std::move(jobItem)});
      if (last) break;
    }
  }
}

}  // namespace vdbq
