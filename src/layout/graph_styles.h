#pragma once

#include <string>

#include "core/graph/job_graph.h"
#include "core/graph/schedule_graph.h"
#include "layout/graph_layout.h"

// How the schedule and job graphs look, shared by the desktop drawing and the exports so that
// a picture saved from either looks the same.
namespace vdbq::layout {

enum class NodeRole { kRoot, kUpstream, kDownstream, kBoth, kUndefined, kJob, kExternalJob };

struct NodeColours {
  const char* Fill;
  const char* Border;
  const char* Text;
  bool Dashed;
};

NodeColours ColoursOf(NodeRole role);
NodeRole RoleOf(const ScheduleGraph& graph, const GraphNodeSteps& steps, int root);

// Edge colours: FOLLOWS of the schedule itself (solid) and of its jobs only (dashed).
inline constexpr const char* kScheduleEdgeColour = "#4d5b6a";
inline constexpr const char* kJobEdgeColour = "#8a6d3b";

// The answer of a query as a graph to lay out; node names are the keys, shown as UTF-8.
Graph ScheduleLayoutGraph(const ScheduleGraph& graph, const Neighbourhood& around);
Graph JobLayoutGraph(const JobGraph& jobs);

}  // namespace vdbq::layout
