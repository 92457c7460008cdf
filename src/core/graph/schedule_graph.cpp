#include "core/graph/schedule_graph.h"

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

#include "core/catalogue/catalogue.h"
#include "core/definitions/follows_scan.h"
#include "core/extracts/extract_store.h"

namespace vdbq {

// Fills a graph from one scan of the schedule lines: keys are interned as they come, edges are
// merged by their two ends, and the adjacency lists are laid out once at the end.
class ScheduleGraphBuilder {
 public:
  explicit ScheduleGraphBuilder(ScheduleGraph& graph) : graph_(graph) {}

  void Schedule(std::string_view key, long long line) {
    current_ = Intern(key);
    if (graph_.definitionLine_[static_cast<size_t>(current_)] < 0) {
      graph_.definitionLine_[static_cast<size_t>(current_)] = line;
    }
    workstation_.assign(key.substr(0, key.find('#')));
  }

  void Job(std::string_view) {}

  void Reserve(size_t edges) {
    edgeOfPair_.reserve(edges);
    graph_.edges_.reserve(edges);
  }

  void Item(std::string_view item, bool jobLevel) {
    const size_t dot = item.find('.');
    if (jobLevel && dot == std::string_view::npos) return;
    const std::string_view predecessor = item.substr(0, dot);
    ref_.clear();
    if (predecessor.find('#') == std::string_view::npos) {
      ref_ += workstation_;
      ref_ += '#';
    }
    const size_t prefix = ref_.size();
    ref_ += item;
    const int from = Intern(std::string_view(ref_).substr(0, prefix + predecessor.size()));
    if (from == current_) return;
    const uint64_t pair = static_cast<uint64_t>(from) << 32 | static_cast<uint32_t>(current_);
    const auto [found, added] = edgeOfPair_.try_emplace(pair, graph_.EdgeCount());
    if (added) graph_.edges_.push_back(ScheduleEdge{from, current_, false, false, {}});
    ScheduleEdge& edge = graph_.edges_[static_cast<size_t>(found->second)];
    (jobLevel ? edge.ByJob : edge.BySchedule) = true;
    edge.Refs.push_back(ref_);
  }

  void Finish() {
    for (ScheduleEdge& edge : graph_.edges_) {
      std::sort(edge.Refs.begin(), edge.Refs.end());
      edge.Refs.erase(std::unique(edge.Refs.begin(), edge.Refs.end()), edge.Refs.end());
    }
    const size_t nodes = graph_.keys_.size();
    auto layOut = [&](std::vector<int>& start, std::vector<int>& items, auto endOf) {
      start.assign(nodes + 1, 0);
      for (const ScheduleEdge& edge : graph_.edges_) ++start[static_cast<size_t>(endOf(edge)) + 1];
      for (size_t n = 0; n < nodes; ++n) start[n + 1] += start[n];
      items.assign(graph_.edges_.size(), 0);
      std::vector<int> next(start.begin(), start.end() - 1);
      for (int e = 0; e < graph_.EdgeCount(); ++e) {
        items[static_cast<size_t>(next[static_cast<size_t>(endOf(graph_.edges_[e]))]++)] = e;
      }
    };
    layOut(graph_.outStart_, graph_.outEdges_, [](const ScheduleEdge& e) { return e.From; });
    layOut(graph_.inStart_, graph_.inEdges_, [](const ScheduleEdge& e) { return e.To; });
  }

 private:
  int Intern(std::string_view key) { return graph_.Intern(key); }

  ScheduleGraph& graph_;
  int current_ = -1;
  std::string workstation_;
  std::string ref_;
  std::unordered_map<uint64_t, int> edgeOfPair_;
};

ScheduleGraph::ScheduleGraph(const LineList& scheduleLines) {
  // A definition takes a handful of lines at least; reserving for that many keys and edges
  // spares the tables their rehashing as they grow.
  const size_t expected = static_cast<size_t>(scheduleLines.Count() / 8 + 16);
  definitionLine_.reserve(expected);
  nodeOfKey_.Reset(expected);
  ScheduleGraphBuilder builder(*this);
  builder.Reserve(expected);
  ScanSchedules(scheduleLines, 0, scheduleLines.Count(), builder);
  builder.Finish();
}

int ScheduleGraph::Intern(std::string_view key) {
  nodeOfKey_.MakeRoomForOne([this](const NodeSlot& slot) { return HashBytes(keys_[slot.Ref()]); });
  const uint64_t hash = HashBytes(key);
  const auto [slot, added] = nodeOfKey_.Insert(hash, Holding{*this, key});
  if (added) {
    *slot = NodeSlot::Of(hash, static_cast<uint32_t>(NodeCount()));
    keys_.emplace_back(key);
    definitionLine_.push_back(-1);
  }
  return static_cast<int>(slot->Ref());
}

Neighbourhood ScheduleGraph::Around(int root, int up, int down) const {
  Neighbourhood result;
  if (root < 0 || root >= NodeCount()) return result;
  result.Root = root;
  // Steps are kept only for the nodes reached, so a small answer costs little in a big graph.
  std::unordered_map<int, GraphNodeSteps> reached;
  reached[root] = GraphNodeSteps{root, 0, 0};
  // A breadth-first walk from the root, against the edges (up) or along them (down).
  struct Walk {
    bool Upwards;
    int Limit;
    std::vector<int> Frontier;
    int Steps = 0;  // from the root to the frontier
  };
  // Takes the walk one step further. A node not yet in the answer joins it when `admit`, or
  // else is only passed through; returns how many nodes of the answer got their steps.
  auto advance = [&](Walk& walk, std::unordered_set<int>& passed, bool admit) {
    std::vector<int> next;
    int counted = 0;
    ++walk.Steps;
    for (int node : walk.Frontier) {
      for (int e : walk.Upwards ? InEdges(node) : OutEdges(node)) {
        const int other = walk.Upwards ? Edge(e).From : Edge(e).To;
        auto at = reached.find(other);
        if (at == reached.end() && admit) {
          at = reached.try_emplace(other, GraphNodeSteps{other}).first;
        }
        if (at != reached.end()) {
          int& mark = walk.Upwards ? at->second.Up : at->second.Down;
          if (mark >= 0) continue;
          mark = walk.Steps;
          ++counted;
        } else if (!passed.insert(other).second) {
          continue;
        }
        next.push_back(other);
      }
    }
    walk.Frontier.swap(next);
    return counted;
  };
  Walk walks[] = {{true, up, {root}}, {false, down, {root}}};
  // The limits choose the nodes.
  std::unordered_set<int> passed;
  for (Walk& walk : walks) {
    while (!walk.Frontier.empty() && (walk.Limit < 0 || walk.Steps < walk.Limit)) {
      advance(walk, passed, true);
    }
  }
  // A node's steps are the fewest over the whole graph, so that a node in a cycle with the root
  // shows both ways whatever the limits: the walk goes on past its limit, adding no node, while
  // a node of the answer still lacks its steps that way.
  for (Walk& walk : walks) {
    long long missing = 0;
    for (const auto& [node, steps] : reached) missing += (walk.Upwards ? steps.Up : steps.Down) < 0;
    passed.clear();
    while (missing > 0 && !walk.Frontier.empty()) missing -= advance(walk, passed, false);
  }

  result.Nodes.reserve(reached.size());
  for (const auto& [node, steps] : reached) result.Nodes.push_back(steps);
  std::sort(result.Nodes.begin(), result.Nodes.end(),
            [this](const GraphNodeSteps& a, const GraphNodeSteps& b) {
              return Key(a.Node) < Key(b.Node);
            });
  for (const GraphNodeSteps& steps : result.Nodes) {
    for (int e : OutEdges(steps.Node)) {
      if (reached.count(Edge(e).To) != 0) result.Edges.push_back(e);
    }
  }
  std::sort(result.Edges.begin(), result.Edges.end(), [this](int a, int b) {
    const ScheduleEdge& x = Edge(a);
    const ScheduleEdge& y = Edge(b);
    if (x.From != y.From) return Key(x.From) < Key(y.From);
    return Key(x.To) < Key(y.To);
  });
  return result;
}

std::shared_ptr<const ScheduleGraph> ScheduleGraphOf(const ExtractStore& store,
                                                     const Catalogue& catalogue) {
  static std::mutex building;
  const std::lock_guard<std::mutex> lock(building);
  if (!catalogue.Graph) catalogue.Graph = std::make_shared<ScheduleGraph>(store.ScheduleLines);
  return catalogue.Graph;
}

}  // namespace vdbq
