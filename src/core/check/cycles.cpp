#include "core/check/cycles.h"

#include <algorithm>
#include <span>

namespace vdbq {
namespace {

// Tarjan's strongly connected components, without recursion so that long chains cannot
// exhaust the stack. Returns the component of every node.
std::vector<int> Components(const WaitGraph& graph, int& count) {
  const int n = graph.NodeCount();
  std::vector<int> index(n, -1), low(n, 0), component(n, -1);
  std::vector<char> onStack(n, 0);
  std::vector<int> stack;
  std::vector<std::pair<int, size_t>> calls;  // node, next edge
  int next = 0;
  count = 0;
  for (int root = 0; root < n; ++root) {
    if (index[root] >= 0) continue;
    calls.emplace_back(root, 0);
    while (!calls.empty()) {
      auto& [v, edge] = calls.back();
      if (edge == 0 && index[v] < 0) {
        index[v] = low[v] = next++;
        stack.push_back(v);
        onStack[v] = 1;
      }
      const std::span<const WaitEdge> out = graph.Out(v);
      if (edge < out.size()) {
        const int w = out[edge++].To;
        if (index[w] < 0) {
          calls.emplace_back(w, 0);
        } else if (onStack[w]) {
          low[v] = std::min(low[v], index[w]);
        }
        continue;
      }
      if (low[v] == index[v]) {
        int w;
        do {
          w = stack.back();
          stack.pop_back();
          onStack[w] = 0;
          component[w] = count;
        } while (w != v);
        ++count;
      }
      const int done = v;
      calls.pop_back();
      if (!calls.empty()) low[calls.back().first] = std::min(low[calls.back().first], low[done]);
    }
  }
  return component;
}

}  // namespace

std::vector<WaitCycle> FindWaitCycles(const WaitGraph& waitsFor,
                                      const std::function<bool(int, int)>& before) {
  const int n = waitsFor.NodeCount();
  std::vector<WaitCycle> cycles;
  const auto edges = static_cast<long long>(waitsFor.Edges.size());
  long long budget = 4 * (n + edges) + 10000;

  for (int v = 0; v < n; ++v) {
    for (const WaitEdge& e : waitsFor.Out(v)) {
      if (e.To == v) {
        cycles.push_back(WaitCycle{{v}, e.Line});
        break;
      }
    }
  }

  int componentCount = 0;
  const std::vector<int> component = Components(waitsFor, componentCount);
  // The members of each component, in node order, one component after another.
  std::vector<int> memberStart(static_cast<size_t>(componentCount) + 1, 0);
  for (int v = 0; v < n; ++v) ++memberStart[static_cast<size_t>(component[v]) + 1];
  for (int c = 0; c < componentCount; ++c) memberStart[c + 1] += memberStart[c];
  std::vector<int> members(static_cast<size_t>(n));
  {
    std::vector<int> next(memberStart.begin(), memberStart.end() - 1);
    for (int v = 0; v < n; ++v) members[static_cast<size_t>(next[component[v]]++)] = v;
  }

  std::vector<int> parent(n, -1);
  std::vector<long long> parentLine(n, 0);
  std::vector<int> seenIn(n, -1);  // the search that reached the node last
  std::vector<char> covered(n, 0);
  std::vector<int> queue;
  int search = 0;
  for (int c = 0; c < componentCount; ++c) {
    const auto group =
        std::span<int>(members).subspan(static_cast<size_t>(memberStart[c]),
                                        static_cast<size_t>(memberStart[c + 1] - memberStart[c]));
    if (group.size() < 2) continue;
    std::sort(group.begin(), group.end(), before);
    std::vector<int> rest;
    for (int start : group) {
      if (covered[start]) continue;
      if (budget <= 0) {
        rest.push_back(start);
        continue;
      }
      // Breadth-first from start inside the group until an edge leads back to start.
      const int id = search++;
      queue.assign(1, start);
      size_t head = 0;
      seenIn[start] = id;
      int last = -1;
      while (head < queue.size() && last < 0) {
        const int v = queue[head++];
        for (const WaitEdge& e : waitsFor.Out(v)) {
          --budget;
          if (component[e.To] != c) continue;
          if (e.To == start) {
            if (v == start) continue;  // a self-edge is its own cycle
            last = v;
            break;
          }
          if (seenIn[e.To] == id) continue;
          seenIn[e.To] = id;
          parent[e.To] = v;
          parentLine[e.To] = e.Line;
          queue.push_back(e.To);
        }
      }
      if (last < 0) continue;  // cannot happen inside a component of two or more
      std::vector<int> path;
      for (int v = last; v != start; v = parent[v]) path.push_back(v);
      path.push_back(start);
      std::reverse(path.begin(), path.end());
      for (int v : path) covered[v] = 1;
      // path[0] waits for path[1] on the line that reached path[1] first.
      const long long line = parentLine[path[1]];
      cycles.push_back(WaitCycle{std::move(path), line});
    }
    if (!rest.empty()) cycles.push_back(WaitCycle{rest, -1});
  }
  return cycles;
}

std::vector<WaitCycle> FindWaitCycles(const std::vector<std::vector<WaitEdge>>& waitsFor,
                                      const std::function<bool(int, int)>& before) {
  WaitGraph graph;
  graph.Start.reserve(waitsFor.size() + 1);
  graph.Start.push_back(0);
  for (const std::vector<WaitEdge>& out : waitsFor) {
    graph.Edges.insert(graph.Edges.end(), out.begin(), out.end());
    graph.Start.push_back(graph.Edges.size());
  }
  return FindWaitCycles(graph, before);
}

}  // namespace vdbq
