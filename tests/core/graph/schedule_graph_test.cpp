// The schedule graph and the job graph, checked against the rules read plainly: definitions cut
// out of the text, each FOLLOWS clause joined over its continuation lines and split at commas,
// steps found by relaxing every edge until nothing changes.

#include "core/graph/schedule_graph.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/extracts/line_list.h"
#include "core/graph/job_graph.h"

namespace vdbq {
namespace {

std::string Trim(const std::string& text) {
  const size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return "";
  return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

bool Starts(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

std::vector<std::string> Items(const std::string& clause) {
  std::vector<std::string> items;
  std::string rest = clause + ",";
  for (size_t comma; (comma = rest.find(',')) != std::string::npos; rest.erase(0, comma + 1)) {
    std::string item = Trim(rest.substr(0, comma));
    item = item.substr(0, item.find(' '));
    if (!item.empty()) items.push_back(item);
  }
  return items;
}

struct Definition {
  std::string Key;
  std::vector<std::string> Header, Jobs;  // the lines before and after ":"
};

struct Clause {
  std::string Text;
  bool Follows = false;
  bool Job = false;  // a job line, Text its key
};

// Each clause of a part with its continuation lines joined; a job line is a clause of its own.
std::vector<Clause> Clauses(const std::vector<std::string>& part, bool jobs) {
  const std::set<std::string> keywords{"AT ",    "FOLLOWS ", "PROMPT ",   "OPENS ",  "NEEDS ",
                                       "EVERY ", "UNTIL ",   "PRIORITY ", "ONUNTIL "};
  std::vector<Clause> clauses;
  for (size_t i = 0; i < part.size(); ++i) {
    const std::string line = Trim(part[i]);
    if (line.empty() || line[0] == '*') continue;
    bool clause = !jobs || line == "CONFIRMED";
    for (const std::string& k : keywords) clause = clause || Starts(line, k);
    if (!clause) {
      clauses.push_back({line.substr(0, line.find(' ')), false, true});
      continue;
    }
    Clause c{line, Starts(line, "FOLLOWS "), false};
    while (!c.Text.empty() && c.Text.back() == ',' && i + 1 < part.size()) {
      c.Text += Trim(part[++i]);
    }
    if (c.Follows) c.Text = c.Text.substr(8);
    clauses.push_back(c);
  }
  return clauses;
}

std::vector<Definition> Definitions(const std::string& text) {
  std::vector<Definition> definitions;
  const std::vector<std::string> lines = SplitLines(text);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!Starts(lines[i], "SCHEDULE ")) continue;
    Definition d{Trim(lines[i].substr(9)), {}, {}};
    if (d.Key.find('#') == std::string::npos) continue;
    bool jobs = false;
    for (size_t j = i + 1; j < lines.size() && !Starts(lines[j], "SCHEDULE "); ++j) {
      if (Trim(lines[j]) == "END") break;
      if (!jobs && Trim(lines[j]) == ":") {
        jobs = true;
        continue;
      }
      (jobs ? d.Jobs : d.Header).push_back(lines[j]);
    }
    definitions.push_back(d);
  }
  return definitions;
}

std::string Workstation(const std::string& key) { return key.substr(0, key.find('#')); }

std::string Completed(const std::string& reference, const std::string& workstation) {
  if (reference.substr(0, reference.find('.')).find('#') != std::string::npos) return reference;
  return workstation + "#" + reference;
}

struct LiteralEdge {
  std::set<std::string> Via, Refs;
};

struct LiteralGraph {
  std::set<std::string> Nodes, Defined;
  std::map<std::pair<std::string, std::string>, LiteralEdge> Edges;

  explicit LiteralGraph(const std::string& text) {
    for (const Definition& d : Definitions(text)) {
      Nodes.insert(d.Key);
      Defined.insert(d.Key);
      for (bool jobs : {false, true}) {
        for (const Clause& c : Clauses(jobs ? d.Jobs : d.Header, jobs)) {
          if (!c.Follows) continue;
          for (const std::string& r : Items(c.Text)) {
            if (jobs && r.find('.') == std::string::npos) continue;
            const std::string ref = Completed(r, Workstation(d.Key));
            const std::string p = Completed(r.substr(0, r.find('.')), Workstation(d.Key));
            Nodes.insert(p);
            if (p == d.Key) continue;
            LiteralEdge& e = Edges[{p, d.Key}];
            e.Via.insert(jobs ? "job" : "schedule");
            e.Refs.insert(ref);
          }
        }
      }
    }
  }

  // Fewest steps from the root, against the edges (up) or along them (down), within limit.
  std::map<std::string, int> Steps(const std::string& root, int limit, bool up) const {
    std::map<std::string, int> steps{{root, 0}};
    for (bool changed = true; changed;) {
      changed = false;
      for (const auto& [ends, edge] : Edges) {
        const std::string& near = up ? ends.second : ends.first;
        const std::string& far = up ? ends.first : ends.second;
        const auto known = steps.find(near);
        if (known == steps.end() || (limit >= 0 && known->second + 1 > limit)) continue;
        const auto [at, added] = steps.try_emplace(far, known->second + 1);
        if (added || at->second > known->second + 1) {
          at->second = known->second + 1;
          changed = true;
        }
      }
    }
    return steps;
  }
};

// A query's answer as text, one node or edge a line, for a readable difference.
std::string Describe(const ScheduleGraph& graph, const Neighbourhood& n) {
  std::string text;
  for (const GraphNodeSteps& s : n.Nodes) {
    text += graph.Key(s.Node) + (graph.Defined(s.Node) ? " defined" : " undefined") + " up " +
            std::to_string(s.Up) + " down " + std::to_string(s.Down) + "\n";
  }
  for (int e : n.Edges) {
    const ScheduleEdge& edge = graph.Edge(e);
    text += graph.Key(edge.From) + " -> " + graph.Key(edge.To) + " via" +
            (edge.BySchedule ? " schedule" : "") + (edge.ByJob ? " job" : "") + " refs";
    for (const std::string& r : edge.Refs) text += " " + r;
    text += "\n";
  }
  return text;
}

// The limits choose the nodes; their steps are counted over the whole graph.
std::string DescribeLiteral(const LiteralGraph& g, const std::string& root, int up, int down) {
  std::set<std::string> nodes;
  for (const auto& steps : {g.Steps(root, up, true), g.Steps(root, down, false)}) {
    for (const auto& [key, n] : steps) nodes.insert(key);
  }
  const auto ups = g.Steps(root, kUnlimitedSteps, true);
  const auto downs = g.Steps(root, kUnlimitedSteps, false);
  std::string text;
  for (const std::string& key : nodes) {
    const auto u = ups.find(key);
    const auto d = downs.find(key);
    text += key + (g.Defined.count(key) ? " defined" : " undefined") + " up " +
            std::to_string(u == ups.end() ? -1 : u->second) + " down " +
            std::to_string(d == downs.end() ? -1 : d->second) + "\n";
  }
  for (const auto& [ends, edge] : g.Edges) {
    if (!nodes.count(ends.first) || !nodes.count(ends.second)) continue;
    text += ends.first + " -> " + ends.second + " via";
    for (const char* via : {"schedule", "job"}) {
      if (edge.Via.count(via)) text += std::string(" ") + via;
    }
    text += " refs";
    for (const std::string& r : edge.Refs) text += " " + r;
    text += "\n";
  }
  return text;
}

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  int Below(int bound) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state_ >> 33) % static_cast<uint64_t>(bound));
  }
  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[static_cast<size_t>(Below(static_cast<int>(items.size())))];
  }

 private:
  uint64_t state_;
};

// A schedules file of few names, so that references often meet: references with and without
// "#" and ".", ".@", undefined schedules, self-references and cycles, clauses that run on over
// lines (also into ":" and "END"), comments, other clauses that run on, missing "END" lines.
std::string RandomSchedules(Random& random) {
  const std::vector<std::string> ws{"W1", "W2"}, names{"A", "B", "C", "D", "E"},
      jobs{"J1", "J2", "J3"}, pads{"", " ", "\t", "  "};
  auto reference = [&] {
    std::string r;
    const int form = random.Below(10);
    if (form < 6) r = (random.Below(2) ? random.Pick(ws) + "#" : "") + random.Pick(names);
    if (form == 6) r = random.Pick(jobs);
    if (form == 7) r = random.Pick(ws) + "#" + random.Pick(jobs);
    if (form < 6 && random.Below(4)) r += random.Below(2) ? ".@" : "." + random.Pick(jobs);
    if (form == 8) r = "X" + std::to_string(random.Below(3)) + ".@";
    if (form == 9) r = random.Below(2) ? ".@" : "W1#A.J1 CONFIRMED";
    return random.Pick(pads) + r + random.Pick(pads);
  };
  auto follows = [&](const std::string& indent) {
    std::string text = indent + "FOLLOWS ";
    for (int n = random.Below(4) + 1; n > 0; --n) {
      text += reference();
      if (n > 1) text += random.Below(3) ? "," : ",\n" + indent + " ";
    }
    return text + (random.Below(8) ? "" : ",") + "\n";
  };
  std::string text;
  for (int s = random.Below(9); s >= 0; --s) {
    if (random.Below(8) == 0) text += "* comment\n";
    text += "SCHEDULE " + random.Pick(ws) + "#" + random.Pick(names) + random.Pick(pads) + "\n";
    text += "ON EVERYDAY\n";
    for (int c = random.Below(3); c > 0; --c) text += follows(random.Below(2) ? "" : " ");
    if (random.Below(4) == 0) text += "NEEDS 1 W1#R,\n FOLLOWS W2#E.@\n";
    text += ":\n";
    for (int j = random.Below(4); j > 0; --j) {
      text += " " + (random.Below(2) ? random.Pick(ws) + "#" : "") + random.Pick(jobs) +
              (random.Below(5) ? "" : " CONFIRMED") + "\n";
      if (random.Below(4) == 0) text += "   AT 0100,\n   FOLLOWS W1#B.@\n";
      if (random.Below(2)) text += follows("   ");
    }
    if (random.Below(10)) text += "END\n";
  }
  return text;
}

TEST(ScheduleGraph, AgreesWithThePlainReadingOnRandomFiles) {
  Random random(20261206);
  for (int round = 0; round < 400; ++round) {
    const std::string text = RandomSchedules(random);
    const LineList lines = LineList::FromText(text);
    const ScheduleGraph graph(lines);
    const LiteralGraph literal(text);
    ASSERT_EQ(static_cast<size_t>(graph.NodeCount()), literal.Nodes.size()) << text;
    for (const std::string& root : literal.Nodes) {
      const int up = random.Below(4) - 1, down = random.Below(4) - 1;
      ASSERT_EQ(Describe(graph, graph.Around(graph.Find(root), up, down)),
                DescribeLiteral(literal, root, up, down))
          << "root " << root << " up " << up << " down " << down << "\n"
          << text;
    }
  }
}

// A neighbourhood names the node it was asked about. No key names a node of a graph read from
// nothing, nor a schedule no file names. (The key table's growth is the open table's own test.)
TEST(ScheduleGraph, ANeighbourhoodNamesItsRootAndUnknownKeysNameNoNode) {
  const ScheduleGraph graph(LineList::FromText("SCHEDULE W#S\nFOLLOWS P.@\nEND\n"));
  for (const char* key : {"W#S", "W#P"}) {
    EXPECT_EQ(graph.Around(graph.Find(key), 1, 0).Root, graph.Find(key));
  }
  EXPECT_EQ(graph.Find("W#X"), -1);
  EXPECT_EQ(ScheduleGraph().Find("W#S"), -1);
}

// The job graph of each schedule's first definition against the same plain reading.
TEST(JobGraph, AgreesWithThePlainReadingOnRandomFiles) {
  Random random(77);
  for (int round = 0; round < 300; ++round) {
    const std::string text = RandomSchedules(random);
    const LineList lines = LineList::FromText(text);
    const ScheduleGraph graph(lines);
    std::set<std::string> seen;
    for (const Definition& d : Definitions(text)) {
      if (!seen.insert(d.Key).second) continue;
      std::map<std::string, bool> nodes;  // key -> external
      std::set<std::pair<std::string, std::string>> edges;
      std::string job;
      std::vector<std::pair<std::string, std::string>> follows;
      for (const Clause& c : Clauses(d.Jobs, true)) {
        if (c.Job) {
          job = Completed(c.Text, Workstation(d.Key));
          nodes[job] = false;
        } else if (c.Follows && !job.empty()) {
          for (const std::string& r : Items(c.Text)) follows.emplace_back(r, job);
        }
      }
      for (const auto& [r, to] : follows) {
        // A bare name is the one job line of that name when there is exactly one.
        std::string from = Completed(r, Workstation(d.Key));
        int named = 0;
        for (const auto& [key, external] : nodes) {
          if (!external && key.substr(key.find('#') + 1) == r) {
            ++named;
            if (r.find_first_of("#.") == std::string::npos) from = key;
          }
        }
        if (named > 1) from = Completed(r, Workstation(d.Key));
        nodes.try_emplace(from, true);
        edges.emplace(from, to);
      }
      const JobGraph jobs = ReadJobGraph(lines, graph.DefinitionLine(graph.Find(d.Key)));
      std::map<std::string, bool> gotNodes;
      for (const JobGraphNode& n : jobs.Nodes) gotNodes[n.Key] = n.External;
      std::set<std::pair<std::string, std::string>> gotEdges;
      for (const auto& [from, to] : jobs.Edges) {
        gotEdges.emplace(jobs.Nodes[static_cast<size_t>(from)].Key,
                         jobs.Nodes[static_cast<size_t>(to)].Key);
      }
      ASSERT_EQ(jobs.Root, d.Key);
      ASSERT_EQ(gotNodes, nodes) << text;
      ASSERT_EQ(gotEdges, edges) << text;
    }
  }
}

}  // namespace
}  // namespace vdbq
