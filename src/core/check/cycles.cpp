#include "core/check/cycles.h"

#include <algorithm>
#include <deque>

namespace vdbq {
namespace {

// Tarjan's strongly connected components, without recursion so that long chains cannot
// exhaust the stack. Returns the component of every node.
std::vector<int> Components(const std::vector<std::vector<WaitEdge>>& graph, int& count) {
  const int n = static_cast<int>(graph.size());
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
      if (edge < graph[v].size()) {
        const int w = graph[v][edge++].To;
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

std::vector<WaitCycle> FindWaitCycles(const std::vector<std::vector<WaitEdge>>& waitsFor,
                                      const std::function<bool(int, int)>& before) {
  const int n = static_cast<int>(waitsFor.size());
  std::vector<WaitCycle> cycles;
  long long edges = 0;
  for (const auto& out : waitsFor) edges += static_cast<long long>(out.size());
  long long budget = 4 * (n + edges) + 10000;

  for (int v = 0; v < n; ++v) {
    for (const WaitEdge& e : waitsFor[v]) {
      if (e.To == v) {
        cycles.push_back(WaitCycle{{v}, e.Line});
        break;
      }
    }
  }

  int componentCount = 0;
  const std::vector<int> component = Components(waitsFor, componentCount);
  std::vector<std::vector<int>> members(componentCount);
  for (int v = 0; v < n; ++v) members[component[v]].push_back(v);

  std::vector<int> parent(n, -1);
  std::vector<long long> parentLine(n, 0);
  std::vector<int> seenIn(n, -1);  // the search that reached the node last
  std::vector<char> covered(n, 0);
  int search = 0;
  for (std::vector<int>& group : members) {
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
      const int c = component[start];
      std::deque<int> queue{start};
      seenIn[start] = id;
      int last = -1;
      while (!queue.empty() && last < 0) {
        const int v = queue.front();
        queue.pop_front();
        for (const WaitEdge& e : waitsFor[v]) {
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

}  // namespace vdbq
