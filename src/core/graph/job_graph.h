#pragma once

#include <string>
#include <vector>

#include "core/extracts/line_list.h"

namespace vdbq {

struct JobGraphNode {
  std::string Key;
  // Not a job line of the schedule: a job of another schedule (a reference with "."), or a
  // name the schedule's FOLLOWS use without defining it.
  bool External = false;
};

// The jobs of one schedule and how they follow each other: an edge From -> To when To's
// FOLLOWS names From. Nodes sorted by key, edges by from then to (indexes into Nodes).
struct JobGraph {
  std::string Root;
  std::vector<JobGraphNode> Nodes;
  std::vector<std::pair<int, int>> Edges;
};

// Reads the definition whose "SCHEDULE " line is `scheduleLine`.
JobGraph ReadJobGraph(const LineList& scheduleLines, long long scheduleLine);

}  // namespace vdbq
