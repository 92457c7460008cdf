#include "core/graph/job_graph.h"

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "core/definitions/follows_scan.h"

namespace vdbq {
namespace {

// Collects one definition's jobs and their FOLLOWS by key; the maps keep byte order.
struct JobGraphReader {
  std::string Workstation;
  std::map<std::string, bool> External;                      // key -> not a job line
  std::vector<std::pair<std::string, std::string>> Follows;  // (item as written, job key)
  std::string CurrentJob;                                    // "" before the first job line

  std::string Completed(std::string_view reference) const {
    const std::string_view owner = reference.substr(0, reference.find('.'));
    if (owner.find('#') != std::string_view::npos) return std::string(reference);
    return Workstation + "#" + std::string(reference);
  }

  void Schedule(std::string_view key, long long) {
    Workstation.assign(key.substr(0, key.find('#')));
  }

  void Job(std::string_view key) {
    CurrentJob = Completed(key);
    External[CurrentJob] = false;
  }

  void Item(std::string_view item, bool jobLevel) {
    if (jobLevel && !CurrentJob.empty()) Follows.emplace_back(item, CurrentJob);
  }

  // A bare job name means the schedule's own job of that name, whatever workstation runs it;
  // only a name no job line (or more than one) has is completed with the schedule's workstation.
  std::set<std::pair<std::string, std::string>> Edges() {
    std::map<std::string, std::string> byName;
    std::set<std::string> ambiguous;
    for (const auto& [key, external] : External) {
      const std::string name = key.substr(key.find('#') + 1);
      if (!byName.emplace(name, key).second) ambiguous.insert(name);
    }
    std::set<std::pair<std::string, std::string>> edges;
    for (const auto& [item, job] : Follows) {
      std::string from = Completed(item);
      const auto named = byName.find(item);
      if (item.find_first_of("#.") == std::string::npos && named != byName.end() &&
          ambiguous.count(item) == 0) {
        from = named->second;
      }
      External.try_emplace(from, true);
      edges.emplace(std::move(from), job);
    }
    return edges;
  }
};

}  // namespace

JobGraph ReadJobGraph(const LineList& scheduleLines, long long scheduleLine) {
  JobGraphReader reader;
  JobGraph graph;
  ScanSchedules(scheduleLines, scheduleLine, scheduleLine + 1, reader);
  graph.Root = std::string(TrimBlanksAndTabs(scheduleLines.At(scheduleLine).substr(9)));
  const auto edges = reader.Edges();
  std::map<std::string, int> index;
  for (const auto& [key, external] : reader.External) {
    index.emplace(key, static_cast<int>(graph.Nodes.size()));
    graph.Nodes.push_back(JobGraphNode{key, external});
  }
  for (const auto& [from, to] : edges) graph.Edges.emplace_back(index[from], index[to]);
  return graph;
}

}  // namespace vdbq
