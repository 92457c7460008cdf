#include "layout/graph_styles.h"

#include <unordered_map>

#include "core/text/display_text.h"

namespace vdbq::layout {
namespace {

Graph StyledGraph(const std::string& name) {
  Graph graph;
  graph.Name = name;
  graph.GraphAttributes = {{"bgcolor", "white"}, {"nodesep", "0.25"}, {"ranksep", "0.6"}};
  graph.NodeDefaults = {{"shape", "box"},   {"style", "rounded,filled"}, {"fontname", "Helvetica"},
                        {"fontsize", "10"}, {"height", "0.3"},           {"margin", "0.12,0.04"}};
  graph.EdgeDefaults = {{"color", kScheduleEdgeColour}, {"arrowsize", "0.7"}};
  return graph;
}

Node StyledNode(const std::string& key, NodeRole role) {
  const NodeColours colours = ColoursOf(role);
  Node node{DisplayText(key), {}};
  node.Attributes = {
      {"fillcolor", colours.Fill}, {"color", colours.Border}, {"fontcolor", colours.Text}};
  if (colours.Dashed) node.Attributes.push_back({"style", "rounded,filled,dashed"});
  if (role == NodeRole::kRoot) node.Attributes.push_back({"penwidth", "2"});
  return node;
}

std::string Joined(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& text : texts) joined += (joined.empty() ? "" : ", ") + DisplayText(text);
  return joined;
}

}  // namespace

NodeColours ColoursOf(NodeRole role) {
  switch (role) {
    case NodeRole::kRoot:
      return {"#1f4e79", "#0b2a47", "#ffffff", false};
    case NodeRole::kUpstream:
      return {"#dbeaf7", "#2e75b6", "#102a43", false};
    case NodeRole::kDownstream:
      return {"#fde6d2", "#c55a11", "#40210a", false};
    case NodeRole::kBoth:
      return {"#eadcf4", "#7030a0", "#2b1040", false};
    case NodeRole::kUndefined:
      return {"#f2f2f2", "#8c8c8c", "#595959", true};
    case NodeRole::kJob:
      return {"#e2f0d9", "#548235", "#1e3310", false};
    case NodeRole::kExternalJob:
      return {"#f2f2f2", "#8c8c8c", "#404040", true};
  }
  return {"#ffffff", "#000000", "#000000", false};
}

NodeRole RoleOf(const ScheduleGraph& graph, const GraphNodeSteps& steps, int root) {
  if (steps.Node == root) return NodeRole::kRoot;
  if (!graph.Defined(steps.Node)) return NodeRole::kUndefined;
  if (steps.Up >= 0 && steps.Down >= 0) return NodeRole::kBoth;
  return steps.Up >= 0 ? NodeRole::kUpstream : NodeRole::kDownstream;
}

Graph ScheduleLayoutGraph(const ScheduleGraph& graph, const Neighbourhood& around) {
  Graph drawn = StyledGraph("schedules");
  std::unordered_map<int, int> position;
  for (const GraphNodeSteps& steps : around.Nodes) {
    position[steps.Node] = static_cast<int>(drawn.Nodes.size());
    drawn.Nodes.push_back(StyledNode(graph.Key(steps.Node), RoleOf(graph, steps, around.Root)));
  }
  for (int e : around.Edges) {
    const ScheduleEdge& edge = graph.Edge(e);
    Edge line{position.at(edge.From), position.at(edge.To), {}};
    line.Attributes.push_back({"tooltip", Joined(edge.Refs)});
    if (!edge.BySchedule) {
      line.Attributes.push_back({"style", "dashed"});
      line.Attributes.push_back({"color", kJobEdgeColour});
    }
    drawn.Edges.push_back(std::move(line));
  }
  return drawn;
}

Graph JobLayoutGraph(const JobGraph& jobs) {
  Graph drawn = StyledGraph("jobs");
  for (const JobGraphNode& node : jobs.Nodes) {
    drawn.Nodes.push_back(
        StyledNode(node.Key, node.External ? NodeRole::kExternalJob : NodeRole::kJob));
  }
  for (const auto& [from, to] : jobs.Edges) {
    Edge line{from, to, {}};
    if (jobs.Nodes[static_cast<size_t>(from)].External) {
      line.Attributes.push_back({"style", "dashed"});
      line.Attributes.push_back({"color", kJobEdgeColour});
    }
    drawn.Edges.push_back(std::move(line));
  }
  return drawn;
}

}  // namespace vdbq::layout
