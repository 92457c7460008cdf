#include "core/impact/object_impact.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

#include "core/check/check_context.h"
#include "core/definitions/clause_walk.h"
#include "core/graph/schedule_graph.h"
#include "core/reports/usage_answers.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// A name completed with the schedule's workstation when it names none, as the check and the
// graph complete FOLLOWS and NEEDS items.
std::string Qualified(std::string_view name, std::string_view workstation) {
  if (name.find('#') != std::string_view::npos) return std::string(name);
  return std::string(workstation) + "#" + std::string(name);
}

// The schedule a FOLLOWS item waits for, as the graph reads it: the item before its first ".";
// in the job part only an item holding a "." names another schedule.
std::optional<std::string> FollowedSchedule(std::string_view item, bool inJobs,
                                            std::string_view workstation) {
  const size_t dot = item.find('.');
  if (inJobs && dot == std::string_view::npos) return std::nullopt;
  return Qualified(item.substr(0, dot), workstation);
}

// A FOLLOWS item that names a job: of another schedule ("SCHEDULE.JOB"), or in the job part
// of the same schedule.
struct JobFollows {
  std::string Schedule;  // the schedule it stands in
  std::string Followed;  // the followed schedule, completed
  std::string_view Job;  // the followed job as written
  long long Line = 0;
};

// Gathers, over the clause walk of the schedules, every use of one object.
struct UseCollector {
  UseCollector(ObjectKind kind, std::string_view key, const LineList& lines)
      : Kind(kind), Key(key), Lines(lines) {}

  ObjectKind Kind;
  std::string_view Key;
  const LineList& Lines;
  std::vector<DirectUse> Direct;
  std::vector<JobFollows> FollowsOnJobs;
  // For a parameter: the jobs that use it, and then the schedules holding them.
  const std::unordered_set<std::string>* UsingJobs = nullptr;
  std::vector<std::string> Holders;

  std::string Schedule;
  std::string_view Workstation;
  const char* CalendarClause = "ON";

  // One entry a line, however many of its items name the object.
  void Add(long long line, const char* how) {
    if (!Direct.empty() && Direct.back().Line == NumberOfIndex(LineIndex(line)) &&
        Direct.back().Key == Schedule && std::string_view(Direct.back().How) == how) {
      return;
    }
    Direct.push_back(DirectUse{ObjectKind::Schedule, Schedule, kSchedulesFile,
                               NumberOfIndex(LineIndex(line)), how});
  }
  void BeginSchedule(std::string_view header) {
    Schedule = std::string(ScheduleKeyOfLine(header));
    Workstation = ScheduleWorkstationOf(ScheduleKeyOfLine(header));
  }
  void Item(ClauseKind kind, std::string_view item, long long line, bool inJobs) {
    switch (kind) {
      case ClauseKind::kCalendar: {
        // ON and EXCEPT items share a kind; a continued clause keeps its first line's keyword.
        const std::string_view text = TrimBlanksView(Lines.At(line));
        if (StartsWith(text, "EXCEPT ")) CalendarClause = "EXCEPT";
        if (StartsWith(text, "ON ")) CalendarClause = "ON";
        if (Kind == ObjectKind::Calendar && CalendarNameOfItem(item) == Key) {
          Add(line, CalendarClause);
        }
        break;
      }
      case ClauseKind::kNeeds:
        if (Kind == ObjectKind::Resource && Qualified(item, Workstation) == Key) Add(line, "NEEDS");
        break;
      case ClauseKind::kPrompt:
        if (Kind == ObjectKind::Prompt && item == Key) Add(line, "PROMPT");
        break;
      case ClauseKind::kFollows: {
        const size_t dot = item.find('.');
        if (Kind == ObjectKind::Schedule) {
          const std::optional<std::string> followed = FollowedSchedule(item, inJobs, Workstation);
          if (followed && *followed == Key) Add(line, "FOLLOWS");
        } else if (Kind == ObjectKind::Job && dot != std::string_view::npos) {
          FollowsOnJobs.push_back(JobFollows{Schedule, *FollowedSchedule(item, inJobs, Workstation),
                                             item.substr(dot + 1), line});
        } else if (Kind == ObjectKind::Job && inJobs) {
          // A job of the same schedule.
          FollowsOnJobs.push_back(JobFollows{Schedule, Schedule, item, line});
        }
        break;
      }
    }
  }
  void Job(std::string_view text, long long line) {
    const std::string key = Qualified(text, Workstation);
    if (Kind == ObjectKind::Job && key == Key) Add(line, "job line");
    if (UsingJobs != nullptr && UsingJobs->contains(key)) Holders.push_back(Schedule);
  }
  void EndSchedule(long long) {}
};

// What the clause walk calls. With `firstOnly`, only the definition the walk starts at is read:
// a definition without its END may run into the next one inside its block.
struct WalkVisitor {
  UseCollector& Uses;
  bool FirstOnly = false;
  bool Ended = false;
  long long End = 0;
  void Schedule(std::string_view header, long long) {
    if (!Ended) Uses.BeginSchedule(header);
  }
  void Item(ClauseKind kind, std::string_view item, long long line, bool inJobs) {
    if (!Ended) Uses.Item(kind, item, line, inJobs);
  }
  void Job(std::string_view text, long long line) {
    if (!Ended) Uses.Job(text, line);
  }
  void EndSchedule(long long next) {
    if (Ended) return;
    End = next;
    Ended = FirstOnly;
  }
};

// The extent of the object's definition, or nothing when the extracts define no such object.
std::optional<LeftOut> FindDefinition(const ExtractStore& store, const ScheduleGraph& graph,
                                      ObjectKind kind, std::string_view key) {
  LeftOut found;
  found.Kind = kind;
  switch (kind) {
    case ObjectKind::Schedule: {
      const int node = graph.Find(key);
      if (node < 0 || !graph.Defined(node)) return std::nullopt;
      UseCollector none(ObjectKind::None, key, store.ScheduleLines);
      WalkVisitor walk{none, true};
      found.First = graph.DefinitionLine(node);
      WalkScheduleClauses(
          store.ScheduleLines, walk, [] {}, found.First, store.NextBlockStart(found.First));
      // Its END line stays, so that the blocks of the file are where they were.
      found.End = walk.End;
      if (found.End > found.First &&
          IsDefinitionEndLine(TrimBlanksView(store.ScheduleLines.At(found.End - 1)))) {
        --found.End;
      }
      return found;
    }
    case ObjectKind::Job: {
      // The first definition of the key, as the check's job table reads them, up to the next.
      const HugeVector<DefinitionAt> jobs = JobDefinitions(store);
      for (size_t j = 0; j < jobs.size(); ++j) {
        if (jobs[j].Key != key) continue;
        const long long end = j + 1 < jobs.size() ? jobs[j + 1].Line : store.JobLineCount;
        return LeftOut{kind, jobs[j].Line, end, 0};
      }
      return std::nullopt;
    }
    case ObjectKind::Calendar:
      for (const DefinitionAt& calendar : CalendarDefinitions(store)) {
        if (calendar.Key != key) continue;
        long long end = calendar.Line + 1;
        while (end < store.CalendarLines.Count() && StartsWith(store.CalendarLines.At(end), "  ")) {
          ++end;
        }
        return LeftOut{kind, calendar.Line, end, 0};
      }
      return std::nullopt;
    case ObjectKind::Resource:
      for (const DefinitionAt& resource : ResourceDefinitions(store)) {
        if (resource.Key == key) return LeftOut{kind, resource.Line, resource.Line + 1, 0};
      }
      return std::nullopt;
    case ObjectKind::Parameter:
    case ObjectKind::Prompt: {
      const std::vector<NameValue>& rows =
          kind == ObjectKind::Parameter ? store.ParameterList : store.PromptList;
      for (size_t row = 0; row < rows.size(); ++row) {
        if (!rows[row].Name.empty() && TrimBlanksView(rows[row].Name) == key) {
          return LeftOut{kind, rows[row].Line, rows[row].Line + 1, row};
        }
      }
      return std::nullopt;
    }
    default:
      return std::nullopt;
  }
}

// The schedules that wait for a schedule by FOLLOWS: the graph's edges out of it, each user's
// clause found by reading that user's definition alone.
void AddFollowsUsers(const ExtractStore& store, const ScheduleGraph& graph, int node,
                     std::vector<DirectUse>& direct) {
  const std::string& key = graph.Key(node);
  for (int edge : graph.OutEdges(node)) {
    const int user = graph.Edge(edge).To;
    if (!graph.Defined(user)) continue;
    UseCollector uses(ObjectKind::Schedule, key, store.ScheduleLines);
    WalkVisitor visitor{uses, true};
    const long long first = graph.DefinitionLine(user);
    WalkScheduleClauses(
        store.ScheduleLines, visitor, [] {}, first, store.NextBlockStart(first));
    // An edge from a later definition of the same key points at the first one.
    if (uses.Direct.empty()) uses.Add(first, "FOLLOWS");
    direct.insert(direct.end(), uses.Direct.begin(), uses.Direct.end());
  }
}

// Breadth first over the graph's edges from the seeds (node, steps), each seed entering when
// the walk reaches its steps; every node is visited once.
std::vector<DownstreamSchedule> Downstream(const ScheduleGraph& graph,
                                           std::vector<std::pair<int, int>> seeds, int root) {
  std::sort(seeds.begin(), seeds.end(),
            [](const auto& a, const auto& b) { return a.second < b.second; });
  std::vector<int> steps(static_cast<size_t>(graph.NodeCount()), -1);
  std::vector<int> frontier, next;
  size_t seed = 0;
  for (int level = 0; seed < seeds.size() || !frontier.empty(); ++level) {
    for (; seed < seeds.size() && seeds[seed].second <= level; ++seed) {
      const auto node = static_cast<size_t>(seeds[seed].first);
      if (steps[node] < 0) {
        steps[node] = level;
        frontier.push_back(seeds[seed].first);
      }
    }
    next.clear();
    for (int node : frontier) {
      for (int edge : graph.OutEdges(node)) {
        const auto to = static_cast<size_t>(graph.Edge(edge).To);
        if (steps[to] >= 0) continue;
        steps[to] = level + 1;
        next.push_back(static_cast<int>(to));
      }
    }
    frontier.swap(next);
  }
  std::vector<DownstreamSchedule> result;
  for (int node = 0; node < graph.NodeCount(); ++node) {
    const int s = steps[static_cast<size_t>(node)];
    if (s > 0 && node != root) result.push_back(DownstreamSchedule{graph.Key(node), s});
  }
  std::sort(result.begin(), result.end(), [](const auto& a, const auto& b) {
    return a.Steps != b.Steps ? a.Steps < b.Steps : a.Key < b.Key;
  });
  return result;
}

}  // namespace

ObjectImpact ImpactOf(const ExtractStore& store, const Catalogue& catalogue, ObjectKind kind,
                      std::string_view key, const RemovalCheck* removalCheck, Progress& progress) {
  ObjectImpact impact;
  if (store.ExtractsMissing) return impact;
  const std::shared_ptr<const ScheduleGraph> graph = ScheduleGraphOf(store, catalogue);
  const std::optional<LeftOut> definition = FindDefinition(store, *graph, kind, key);
  if (!definition) return impact;
  impact.Exists = true;

  std::vector<std::pair<int, int>> seeds;
  int root = -1;
  if (kind == ObjectKind::Schedule) {
    root = graph->Find(key);
    seeds.emplace_back(root, 0);
    AddFollowsUsers(store, *graph, root, impact.Direct);
  } else {
    std::unordered_set<std::string> usingJobs;
    if (kind == ObjectKind::Parameter) {
      for (long long line : JobLinesUsingParameter(store, UpperCase(std::string(key)), progress)) {
        const std::string job = JobKeyOfLine(store.JobLines.At(line));
        impact.Direct.push_back(
            DirectUse{ObjectKind::Job, job, kJobsFile, NumberOfIndex(LineIndex(line)), "command"});
        usingJobs.insert(job);
      }
    }
    UseCollector uses(kind, key, store.ScheduleLines);
    if (kind == ObjectKind::Parameter) uses.UsingJobs = &usingJobs;
    WalkVisitor walk{uses};
    WalkScheduleClauses(store.ScheduleLines, walk, [&progress] { progress.Tick(); });
    // A FOLLOWS on the job names it through a schedule that holds it.
    if (kind == ObjectKind::Job) {
      std::unordered_set<std::string> holders;
      for (const DirectUse& use : uses.Direct) holders.insert(use.Key);
      const std::string_view name = key.substr(key.find('#') + 1);
      for (const JobFollows& f : uses.FollowsOnJobs) {
        if (!holders.contains(f.Followed)) continue;
        if (f.Job != key && f.Job != name) continue;
        uses.Schedule = f.Schedule;
        uses.Add(f.Line, "FOLLOWS");
      }
    }
    for (const DirectUse& use : uses.Direct) seeds.emplace_back(graph->Find(use.Key), 1);
    for (const std::string& holder : uses.Holders) seeds.emplace_back(graph->Find(holder), 2);
    impact.Direct.insert(impact.Direct.end(), uses.Direct.begin(), uses.Direct.end());
  }
  std::stable_sort(impact.Direct.begin(), impact.Direct.end(),
                   [](const DirectUse& a, const DirectUse& b) { return a.Line < b.Line; });
  std::erase_if(seeds, [](const auto& s) { return s.first < 0; });
  impact.Downstream = Downstream(*graph, std::move(seeds), root);
  if (removalCheck != nullptr) {
    impact.CheckFindingsIfRemoved =
        FindingsIfLeftOut(store, catalogue, *definition, *removalCheck, progress);
  }
  return impact;
}

}  // namespace vdbq
