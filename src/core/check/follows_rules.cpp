// undefined-schedule, undefined-job-in-schedule, schedule-cycle and job-cycle: the FOLLOWS
// references. Which schedules exist and which waits for which come from the database's schedule
// graph; where a reference stands, and how one schedule's jobs follow each other, from the
// schedule's own lines.
//
// An item R of a FOLLOWS clause names a schedule P and maybe a job J of it: P is R before its
// first "." (all of R when it holds none) and J the text after it, where "@" stands for the
// whole schedule. P without "#" is on the waiting schedule's workstation. In a job's own
// FOLLOWS an item without "." names a job of the same schedule instead. A job is named by its
// key when the name holds "#", else by its name alone, since a schedule's jobs are told apart
// by name whatever their workstation.

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <unordered_map>

#include "core/check/check_context.h"
#include "core/check/cycles.h"
#include "core/graph/schedule_graph.h"
#include "core/memory/hash.h"
#include "core/memory/open_table.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// A schedule's jobs by key and by name (the first of each), so that a reference finds its job
// either way. Most schedules hold a handful of jobs: those are searched in place, larger ones
// through tables.
class JobIndex {
 public:
  explicit JobIndex(std::span<const OutlineJob> jobs) : jobs_(jobs) {
    if (jobs.size() <= kSearchedInPlace) return;
    tables_ = std::make_unique<Tables>();
    tables_->ByKey.reserve(jobs.size());
    tables_->ByName.reserve(jobs.size());
    for (size_t k = 0; k < jobs.size(); ++k) {
      const std::string_view key = jobs[k].NodeKey();
      tables_->ByKey.emplace(key, static_cast<uint32_t>(k));
      tables_->ByName.emplace(NameOf(key), static_cast<uint32_t>(k));
    }
  }
  // The job a reference names; -1 when there is none of that name.
  int Find(std::string_view job) const {
    const bool byKey = job.find('#') != std::string_view::npos;
    if (!tables_) {
      for (size_t k = 0; k < jobs_.size(); ++k) {
        const std::string_view key = jobs_[k].NodeKey();
        if ((byKey ? key : NameOf(key)) == job) return static_cast<int>(k);
      }
      return -1;
    }
    const FlatViewMap::Slot* found = (byKey ? tables_->ByKey : tables_->ByName).find(job);
    return found == nullptr ? -1 : static_cast<int>(found->second);
  }
  bool Large() const { return tables_ != nullptr; }

 private:
  static constexpr size_t kSearchedInPlace = 32;
  static std::string_view NameOf(std::string_view key) { return key.substr(key.find('#') + 1); }
  struct Tables {
    FlatViewMap ByKey;
    FlatViewMap ByName;
  };
  std::span<const OutlineJob> jobs_;
  std::unique_ptr<Tables> tables_;
};

// The graph's edges by their two ends, filled once.
class EdgeOfPair {
 public:
  explicit EdgeOfPair(const ScheduleGraph& graph) {
    table_.Reset(static_cast<size_t>(graph.EdgeCount()));
    for (int e = 0; e < graph.EdgeCount(); ++e) {
      const ScheduleEdge& edge = graph.Edge(e);
      const uint64_t key = PairKey(edge.To, edge.From);
      const uint64_t hash = HashWord(key);
      const auto [slot, added] = table_.Insert(hash, Holding{key});
      if (added) *slot = Slot{key, Slot::TagOf(hash), static_cast<uint32_t>(e) + 1};
    }
  }
  // The edge by which `waiting` waits for `waitedFor`; -1 when the graph has none.
  int Find(int waiting, int waitedFor) const {
    if (waiting < 0 || waitedFor < 0) return -1;
    const uint64_t key = PairKey(waiting, waitedFor);
    const Slot* slot = table_.Find(HashWord(key), Holding{key});
    return slot == nullptr ? -1 : static_cast<int>(slot->EdgePlusOne - 1);
  }

 private:
  struct Slot {
    uint64_t Key = 0;
    uint32_t Tag = 0;
    uint32_t EdgePlusOne = 0;  // 0 for a free slot

    static uint32_t TagOf(uint64_t hash) { return static_cast<uint32_t>(hash >> 32); }
    bool Taken() const { return EdgePlusOne != 0; }
  };
  static uint64_t PairKey(int waiting, int waitedFor) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(waiting)) << 32) |
           static_cast<uint32_t>(waitedFor);
  }
  struct Holding {
    uint64_t Key;
    bool operator()(const Slot& slot) const { return slot.Key == Key; }
  };
  OpenTable<Slot> table_;
};

// The name as it stands when it holds "#", else completed in `completed`.
std::string_view Qualified(std::string_view name, std::string_view workstation,
                           std::string& completed) {
  if (name.find('#') != std::string_view::npos) return name;
  completed = workstation;
  completed += '#';
  completed += name;
  return completed;
}

std::string CycleText(const std::vector<std::string>& keys) {
  std::string text;
  for (const std::string& key : keys) text += key + " -> ";
  return text + keys.front();
}

// verbs: the verb for many and for one ("wait for", "waits for").
std::string CycleMessage(const char* plural, const char* singular, const char* verb,
                         const char* verbOne, const std::vector<std::string>& keys, bool complete) {
  if (!complete) {
    std::string message = std::string(plural) + " that also " + verb + " each other in cycles:";
    for (const std::string& key : keys) message += " " + key;
    return message;
  }
  if (keys.size() == 1) return std::string(singular) + " " + keys[0] + " " + verbOne + " itself";
  return std::string(plural) + " " + verb + " each other in a cycle (each " + verbOne +
         " the next): " + CycleText(keys);
}

// The job-cycle findings of one schedule definition.
// A job edge: job Waiting (an index into the schedule's jobs) waits for job WaitedFor.
struct JobEdge {
  int Waiting;
  int WaitedFor;
  long long Line;
};

void CheckJobCycles(FindingList& findings, const ScheduleOutline& schedule,
                    const std::vector<JobEdge>& edges) {
  // Jobs that only wait for jobs listed before them cannot wait in a cycle: the usual case
  // needs no search at all.
  bool backward = false;
  for (const JobEdge& edge : edges) backward = backward || edge.WaitedFor >= edge.Waiting;
  if (!backward) return;
  std::vector<std::vector<WaitEdge>> jobWaits(schedule.Jobs.size());
  for (const JobEdge& edge : edges) {
    jobWaits[static_cast<size_t>(edge.Waiting)].push_back(WaitEdge{edge.WaitedFor, edge.Line});
  }
  const auto cycles = FindWaitCycles(jobWaits, [&](int a, int b) {
    return schedule.Jobs[static_cast<size_t>(a)].NodeKey() <
           schedule.Jobs[static_cast<size_t>(b)].NodeKey();
  });
  for (const WaitCycle& cycle : cycles) {
    std::vector<std::string> keys;
    for (int job : cycle.Members) {
      keys.emplace_back(schedule.Jobs[static_cast<size_t>(job)].NodeKey());
    }
    const long long line =
        cycle.Line >= 0 ? cycle.Line : schedule.Jobs[static_cast<size_t>(cycle.Members[0])].Line;
    findings.Add("job-cycle", ObjectKind::Schedule, std::string(schedule.CatalogueKey),
                 kSchedulesFile, line,
                 CycleMessage("Jobs", "Job", "follow", "follows", keys, cycle.Line >= 0));
  }
}

}  // namespace

void CheckFollows(const CheckContext& ctx, const ScheduleGraph& graph, FindingList& findings) {
  const ScheduleOutlines& outlines = ctx.Outlines;
  const int nodes = graph.NodeCount();
  // Each outline's node, and the first outline of each node: its key as the catalogue shows
  // it, for the findings of the node's schedule, and its jobs, as the graph takes them.
  std::vector<int> nodeOf(outlines.size());
  std::vector<const ScheduleOutline*> outlineOf(static_cast<size_t>(nodes), nullptr);
  for (size_t s = 0; s < outlines.size(); ++s) {
    const int node = graph.Find(outlines[s].Key);
    nodeOf[s] = node;
    if (node >= 0 && outlineOf[static_cast<size_t>(node)] == nullptr) {
      outlineOf[static_cast<size_t>(node)] = &outlines[s];
    }
  }
  // Only the indexes of large schedules are worth keeping; a small one is its job list.
  std::unordered_map<int, JobIndex> largeJobsOf;
  auto jobsOfNode = [&](int node) -> JobIndex {
    const ScheduleOutline* outline = outlineOf[static_cast<size_t>(node)];
    return JobIndex(outline != nullptr ? outline->Jobs : std::span<const OutlineJob>());
  };
  auto findJob = [&](int node, std::string_view job) {
    const auto known = largeJobsOf.find(node);
    if (known != largeJobsOf.end()) return known->second.Find(job);
    JobIndex index = jobsOfNode(node);
    const int found = index.Find(job);
    if (index.Large()) largeJobsOf.emplace(node, std::move(index));
    return found;
  };

  // Where a schedule first names each schedule it waits for (by the graph's edge), and
  // schedules that wait for themselves (the graph keeps no edge from a schedule to itself).
  const EdgeOfPair edgeOf(graph);
  std::vector<long long> edgeLine(static_cast<size_t>(graph.EdgeCount()), -1);
  std::vector<std::pair<int, long long>> selfWaits;

  std::vector<JobEdge> jobEdges;
  std::string completed;
  for (size_t s = 0; s < outlines.size(); ++s) {
    const ScheduleOutline& schedule = outlines[s];
    ctx.Progress.Tick();
    const int self = nodeOf[s];
    auto add = [&](const char* rule, long long line, std::string message) {
      findings.Add(rule, ObjectKind::Schedule, std::string(schedule.CatalogueKey), kSchedulesFile,
                   line, std::move(message));
    };
    const JobIndex ownJobs(schedule.Jobs);
    jobEdges.clear();

    for (const OutlineItem& item : schedule.Follows) {
      const std::string_view ref = item.Text;
      const size_t dot = ref.find('.');
      if (item.InJobs && dot == std::string_view::npos) {
        const int job = ownJobs.Find(ref);
        if (job < 0) {
          add("undefined-job-in-schedule", item.Line,
              "FOLLOWS names job " + std::string(ref) + ", which schedule " +
                  std::string(schedule.Key) + " does not hold");
        } else if (item.Job >= 0) {
          jobEdges.push_back(JobEdge{item.Job, job, item.Line});
        }
        continue;
      }
      const std::string_view target =
          Qualified(ref.substr(0, dot), schedule.Workstation, completed);
      const std::string_view job = dot == std::string_view::npos ? "" : ref.substr(dot + 1);
      const int node = graph.Find(target);
      if (node < 0 || !graph.Defined(node)) {
        add("undefined-schedule", item.Line,
            "FOLLOWS names schedule " + std::string(target) + ", which " + kSchedulesFile +
                " does not define");
        continue;
      }
      const bool wholeSchedule = job.empty() || job == "@";
      if (!wholeSchedule && findJob(node, job) < 0) {
        add("undefined-job-in-schedule", item.Line,
            "FOLLOWS names job " + std::string(job) + " of schedule " + std::string(target) +
                ", which has no such job");
        continue;
      }
      if (node != self) {
        const int edge = edgeOf.Find(self, node);
        if (edge >= 0 && edgeLine[static_cast<size_t>(edge)] < 0) {
          edgeLine[static_cast<size_t>(edge)] = item.Line;
        }
      } else if (!item.InJobs || wholeSchedule) {
        // A schedule that waits for itself, or a job that waits for its whole schedule.
        selfWaits.emplace_back(self, item.Line);
      } else if (item.Job >= 0) {
        // The job was looked for among the jobs of the schedule's first definition; a later
        // definition of the same key may not hold it.
        const int waitedFor = ownJobs.Find(job);
        if (waitedFor >= 0) jobEdges.push_back(JobEdge{item.Job, waitedFor, item.Line});
      }
    }
    CheckJobCycles(findings, schedule, jobEdges);
  }

  // Each node waits for itself first, then along its edges in the graph's order.
  WaitGraph waits;
  waits.Start.assign(static_cast<size_t>(nodes) + 1, 0);
  for (const auto& [node, line] : selfWaits) ++waits.Start[static_cast<size_t>(node) + 1];
  for (int node = 0; node < nodes; ++node) {
    waits.Start[static_cast<size_t>(node) + 1] += graph.InEdges(node).size();
  }
  for (size_t node = 0; node < static_cast<size_t>(nodes); ++node) {
    waits.Start[node + 1] += waits.Start[node];
  }
  waits.Edges.resize(waits.Start.back());
  std::vector<size_t> next(waits.Start.begin(), waits.Start.end() - 1);
  for (const auto& [node, line] : selfWaits) {
    waits.Edges[next[static_cast<size_t>(node)]++] = WaitEdge{node, line};
  }
  for (int node = 0; node < nodes; ++node) {
    for (const int e : graph.InEdges(node)) {
      const long long line = edgeLine[static_cast<size_t>(e)];
      waits.Edges[next[static_cast<size_t>(node)]++] =
          WaitEdge{graph.Edge(e).From, line >= 0 ? line : graph.DefinitionLine(node)};
    }
  }
  const auto cycles =
      FindWaitCycles(waits, [&](int a, int b) { return graph.Key(a) < graph.Key(b); });
  for (const WaitCycle& cycle : cycles) {
    const int first = cycle.Members[0];
    std::vector<std::string> keys;
    for (int node : cycle.Members) keys.push_back(graph.Key(node));
    const ScheduleOutline* outline = outlineOf[static_cast<size_t>(first)];
    findings.Add(
        "schedule-cycle", ObjectKind::Schedule,
        outline != nullptr ? std::string(outline->CatalogueKey) : graph.Key(first), kSchedulesFile,
        cycle.Line >= 0 ? cycle.Line : graph.DefinitionLine(first),
        CycleMessage("Schedules", "Schedule", "wait for", "waits for", keys, cycle.Line >= 0));
  }
}

}  // namespace vdbq
