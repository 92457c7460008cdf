#pragma once

#include <functional>
#include <span>
#include <vector>

namespace vdbq {

// An edge of a waiting graph: the node waits for To because of the reference on Line.
struct WaitEdge {
  int To = 0;
  long long Line = 0;
};

// A cycle of waiting: Members[0] waits for Members[1], ..., the last waits for Members[0].
// Line is where Members[0] names Members[1]. A node that waits for itself is a cycle of one.
struct WaitCycle {
  std::vector<int> Members;
  long long Line = 0;
};

// A waiting graph laid out flat: node v's edges are Edges[Start[v]] up to Edges[Start[v + 1]].
struct WaitGraph {
  std::vector<size_t> Start;  // one more than there are nodes
  std::vector<WaitEdge> Edges;

  int NodeCount() const { return Start.empty() ? 0 : static_cast<int>(Start.size()) - 1; }
  std::span<const WaitEdge> Out(int node) const {
    const auto v = static_cast<size_t>(node);
    return std::span<const WaitEdge>(Edges).subspan(Start[v], Start[v + 1] - Start[v]);
  }
};

// The cycles of a graph given as, for each node, the edges to the nodes it waits for. Every
// node that lies on some cycle is a member of at least one cycle returned: within each group
// of nodes that wait for each other (a strongly connected component), the shortest cycle
// through its first uncovered node (by `before`) is taken until every node is covered. Linear
// in the graph for the usual rings; a bounded amount of extra work for dense tangles, after
// which the rest of a group is given as one cycle-less list of its members (Line -1).
std::vector<WaitCycle> FindWaitCycles(const WaitGraph& waitsFor,
                                      const std::function<bool(int, int)>& before);
// The same over a list of edges for each node.
std::vector<WaitCycle> FindWaitCycles(const std::vector<std::vector<WaitEdge>>& waitsFor,
                                      const std::function<bool(int, int)>& before);

}  // namespace vdbq
