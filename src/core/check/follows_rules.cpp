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
#include <string_view>
#include <unordered_map>

#include "core/check/check_context.h"
#include "core/check/cycles.h"
#include "core/graph/schedule_graph.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// A schedule's jobs by key and by name (the first of each), so that a reference finds its job
// either way. Most schedules hold a handful of jobs: those are searched in place, larger ones
// through hash maps.
class JobIndex {
 public:
  explicit JobIndex(const ScheduleOutline& schedule) {
    for (size_t k = 0; k < schedule.Jobs.size(); ++k) {
      const std::string_view key = schedule.Jobs[k].NodeKey();
      jobs_.emplace_back(key, key.substr(key.find('#') + 1));
    }
    if (jobs_.size() <= kSearchedInPlace) return;
    for (size_t k = 0; k < jobs_.size(); ++k) {
      byKey_.emplace(jobs_[k].first, static_cast<int>(k));
      byName_.emplace(jobs_[k].second, static_cast<int>(k));
    }
  }
  // The job a reference names; -1 when there is none of that name.
  int Find(std::string_view job) const {
    const bool byKey = job.find('#') != std::string_view::npos;
    if (jobs_.size() <= kSearchedInPlace) {
      for (size_t k = 0; k < jobs_.size(); ++k) {
        if ((byKey ? jobs_[k].first : jobs_[k].second) == job) return static_cast<int>(k);
      }
      return -1;
    }
    const auto& index = byKey ? byKey_ : byName_;
    const auto found = index.find(job);
    return found == index.end() ? -1 : found->second;
  }

 private:
  static constexpr size_t kSearchedInPlace = 32;
  std::vector<std::pair<std::string_view, std::string_view>> jobs_;
  std::unordered_map<std::string_view, int> byKey_;
  std::unordered_map<std::string_view, int> byName_;
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

void CheckJobCycles(CheckContext& ctx, const ScheduleOutline& schedule,
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
    ctx.Add("job-cycle", kKindSchedule, std::string(schedule.CatalogueKey), kSchedulesFile, line,
            CycleMessage("Jobs", "Job", "follow", "follows", keys, cycle.Line >= 0));
  }
}

}  // namespace

void CheckFollows(CheckContext& ctx) {
  const std::vector<ScheduleOutline>& outlines = ctx.Outlines;
  const std::shared_ptr<const ScheduleGraph> graph = ScheduleGraphOf(ctx.Store, ctx.Catalogue);
  const int nodes = graph->NodeCount();
  // The key as the catalogue shows it, for the findings of a node's schedule.
  std::vector<const ScheduleOutline*> outlineOf(static_cast<size_t>(nodes), nullptr);
  for (const ScheduleOutline& schedule : outlines) {
    const int node = graph->Find(schedule.Key);
    if (node >= 0 && outlineOf[static_cast<size_t>(node)] == nullptr) {
      outlineOf[static_cast<size_t>(node)] = &schedule;
    }
  }
  // The jobs of a defined schedule: those of its first definition, as the graph takes it.
  std::unordered_map<int, JobIndex> jobsOf;
  auto jobsOfNode = [&](int node) -> const JobIndex& {
    auto found = jobsOf.find(node);
    if (found != jobsOf.end()) return found->second;
    static const ScheduleOutline kNoJobs;
    const ScheduleOutline* outline = outlineOf[static_cast<size_t>(node)];
    return jobsOf.emplace(node, JobIndex(outline != nullptr ? *outline : kNoJobs)).first->second;
  };

  // Where a schedule first names each schedule it waits for, and schedules that wait for
  // themselves (the graph keeps no edge from a schedule to itself).
  std::unordered_map<uint64_t, long long> referenceLine;
  auto pairKey = [](int waiting, int waitedFor) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(waiting)) << 32) |
           static_cast<uint32_t>(waitedFor);
  };
  std::vector<std::vector<WaitEdge>> waitsFor(static_cast<size_t>(nodes));

  std::vector<JobEdge> jobEdges;
  for (const ScheduleOutline& schedule : outlines) {
    ctx.Progress.Tick();
    const int self = graph->Find(schedule.Key);
    auto add = [&](const char* rule, long long line, std::string message) {
      ctx.Add(rule, kKindSchedule, std::string(schedule.CatalogueKey), kSchedulesFile, line,
              std::move(message));
    };
    const JobIndex ownJobs(schedule);
    jobEdges.clear();
    std::string completed;

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
      const int node = graph->Find(target);
      if (node < 0 || !graph->Defined(node)) {
        add("undefined-schedule", item.Line,
            "FOLLOWS names schedule " + std::string(target) + ", which " + kSchedulesFile +
                " does not define");
        continue;
      }
      const bool wholeSchedule = job.empty() || job == "@";
      if (!wholeSchedule && jobsOfNode(node).Find(job) < 0) {
        add("undefined-job-in-schedule", item.Line,
            "FOLLOWS names job " + std::string(job) + " of schedule " + std::string(target) +
                ", which has no such job");
        continue;
      }
      if (node != self) {
        referenceLine.try_emplace(pairKey(self, node), item.Line);
      } else if (!item.InJobs || wholeSchedule) {
        // A schedule that waits for itself, or a job that waits for its whole schedule.
        waitsFor[static_cast<size_t>(self)].push_back(WaitEdge{self, item.Line});
      } else if (item.Job >= 0) {
        jobEdges.push_back(JobEdge{item.Job, ownJobs.Find(job), item.Line});
      }
    }
    CheckJobCycles(ctx, schedule, jobEdges);
  }

  for (int e = 0; e < graph->EdgeCount(); ++e) {
    const ScheduleEdge& edge = graph->Edge(e);
    const auto line = referenceLine.find(pairKey(edge.To, edge.From));
    waitsFor[static_cast<size_t>(edge.To)].push_back(WaitEdge{
        edge.From, line != referenceLine.end() ? line->second : graph->DefinitionLine(edge.To)});
  }
  const auto cycles =
      FindWaitCycles(waitsFor, [&](int a, int b) { return graph->Key(a) < graph->Key(b); });
  for (const WaitCycle& cycle : cycles) {
    const int first = cycle.Members[0];
    std::vector<std::string> keys;
    for (int node : cycle.Members) keys.push_back(graph->Key(node));
    const ScheduleOutline* outline = outlineOf[static_cast<size_t>(first)];
    ctx.Add("schedule-cycle", kKindSchedule,
            outline != nullptr ? std::string(outline->CatalogueKey) : graph->Key(first),
            kSchedulesFile, cycle.Line >= 0 ? cycle.Line : graph->DefinitionLine(first),
            CycleMessage("Schedules", "Schedule", "wait for", "waits for", keys, cycle.Line >= 0));
  }
}

}  // namespace vdbq
