#include "core/graph/job_graph.h"

#include <algorithm>
#include <map>
#include <set>

#include "core/graph/follows_scan.h"

namespace vdbq {
namespace {

// Collects one definition's jobs and their FOLLOWS by key; the maps keep byte order.
struct JobGraphReader {
  std::string Workstation;
  std::map<std::string, bool> External;  // key -> not a job line
  std::set<std::pair<std::string, std::string>> Edges;
  std::string CurrentJob;  // "" before the first job line

  std::string Completed(std::string_view reference) const {
    const std::string_view owner = reference.substr(0, reference.find('.'));
    if (owner.find('#') != std::string_view::npos) return std::string(reference);
    return Workstation + "#" + std::string(reference);
  }

  void Schedule(std::string_view key, long long) {
    Workstation.assign(key.substr(0, key.find('#')));
    External.clear();
    Edges.clear();
    CurrentJob.clear();
  }

  void Job(std::string_view key) {
    CurrentJob = Completed(key);
    External[CurrentJob] = false;
  }

  void Item(std::string_view item, bool jobLevel) {
    if (!jobLevel || CurrentJob.empty()) return;
    std::string from = Completed(item);
    External.try_emplace(from, true);
    Edges.emplace(std::move(from), CurrentJob);
  }
};

}  // namespace

JobGraph ReadJobGraph(const LineList& scheduleLines, long long scheduleLine) {
  JobGraphReader reader;
  JobGraph graph;
  ScanSchedules(scheduleLines, scheduleLine, scheduleLine + 1, reader);
  graph.Root = std::string(follows_scan::Trimmed(scheduleLines.At(scheduleLine).substr(9)));
  std::map<std::string, int> index;
  for (const auto& [key, external] : reader.External) {
    index.emplace(key, static_cast<int>(graph.Nodes.size()));
    graph.Nodes.push_back(JobGraphNode{key, external});
  }
  for (const auto& [from, to] : reader.Edges) graph.Edges.emplace_back(index[from], index[to]);
  return graph;
}

}  // namespace vdbq
