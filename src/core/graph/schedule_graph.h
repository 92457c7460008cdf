#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/extracts/line_list.h"
#include "core/memory/hash.h"
#include "core/memory/open_table.h"

namespace vdbq {

struct ExtractStore;
struct Catalogue;

// An edge P -> S of the schedule graph: S waits for P.
struct ScheduleEdge {
  int From = 0;
  int To = 0;
  bool BySchedule = false;  // named by a FOLLOWS clause of S's header
  bool ByJob = false;       // named by a FOLLOWS clause of one of S's jobs
  // The references that made the edge, completed with S's workstation, sorted, no repeats.
  std::vector<std::string> Refs;
};

// A node of a query's answer with its fewest steps to and from the root (-1: no such path),
// counted over the whole graph whatever the query's limits.
struct GraphNodeSteps {
  int Node = 0;
  int Up = -1;    // from the node to the root
  int Down = -1;  // from the root to the node
};

// What a query around one schedule gives: nodes sorted by key, edges by from key then to key
// (byte order), every edge of the whole graph whose two ends are among the nodes.
struct Neighbourhood {
  int Root = -1;
  std::vector<GraphNodeSteps> Nodes;
  std::vector<int> Edges;
};

inline constexpr int kUnlimitedSteps = -1;

// The schedules of the whole database and which waits for which, built once per load in time
// linear in the schedules extract. Owns its texts, so it outlives a reload that replaces the
// extracts it was built from.
class ScheduleGraph {
 public:
  ScheduleGraph() = default;
  explicit ScheduleGraph(const LineList& scheduleLines);

  int NodeCount() const { return static_cast<int>(keys_.size()); }
  const std::string& Key(int node) const { return keys_[static_cast<size_t>(node)]; }
  bool Defined(int node) const { return definitionLine_[static_cast<size_t>(node)] >= 0; }
  // The "SCHEDULE " line of the node's first definition; -1 for an undefined schedule.
  long long DefinitionLine(int node) const { return definitionLine_[static_cast<size_t>(node)]; }
  // The node of a key; -1 when no schedule has it.
  int Find(std::string_view key) const {
    const NodeSlot* slot = nodeOfKey_.Find(HashBytes(key), Holding{*this, key});
    return slot == nullptr ? -1 : static_cast<int>(slot->Ref());
  }

  int EdgeCount() const { return static_cast<int>(edges_.size()); }
  const ScheduleEdge& Edge(int edge) const { return edges_[static_cast<size_t>(edge)]; }
  // Edges leaving a node (to the schedules that wait for it) and entering it.
  std::span<const int> OutEdges(int node) const { return Slice(outStart_, outEdges_, node); }
  std::span<const int> InEdges(int node) const { return Slice(inStart_, inEdges_, node); }

  // The root, every schedule it waits for within `up` steps and every schedule that waits for
  // it within `down` steps (kUnlimitedSteps: any number).
  Neighbourhood Around(int root, int up, int down) const;

 private:
  friend class ScheduleGraphBuilder;

  // The node of a key, found or added. A slot holds part of the key's hash and its node, so
  // that a lookup in a large graph touches little memory.
  using NodeSlot = RefSlot<uint32_t>;
  int Intern(std::string_view key);
  struct Holding {
    const ScheduleGraph& Graph;
    std::string_view Key;
    bool operator()(const NodeSlot& slot) const { return Graph.keys_[slot.Ref()] == Key; }
  };

  static std::span<const int> Slice(const std::vector<int>& start, const std::vector<int>& items,
                                    int node) {
    const auto n = static_cast<size_t>(node);
    return std::span<const int>(items).subspan(static_cast<size_t>(start[n]),
                                               static_cast<size_t>(start[n + 1] - start[n]));
  }

  std::deque<std::string> keys_;
  std::vector<long long> definitionLine_;
  OpenTable<NodeSlot> nodeOfKey_;
  std::vector<ScheduleEdge> edges_;
  std::vector<int> outStart_, outEdges_, inStart_, inEdges_;
};

// The graph of the loaded database, built on first use after each load and kept in the
// catalogue until the next refresh empties it.
std::shared_ptr<const ScheduleGraph> ScheduleGraphOf(const ExtractStore& store,
                                                     const Catalogue& catalogue);

}  // namespace vdbq
