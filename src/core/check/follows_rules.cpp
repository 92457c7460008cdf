// undefined-schedule, undefined-job-in-schedule, schedule-cycle and job-cycle: the FOLLOWS
// references, read as the schedule graph reads them.
//
// An item R of a FOLLOWS clause names a schedule P and maybe a job J of it: P is R before its
// first "." (all of R when it holds none) and J the text after it, where "@" stands for the
// whole schedule. P without "#" is on the waiting schedule's workstation. In a job's own
// FOLLOWS an item without "." names a job of the same schedule instead. A job is named by its
// key when the name holds "#", else by its name alone, since a schedule's jobs are told apart
// by name whatever their workstation.

#include <string_view>
#include <unordered_map>

#include "core/check/check_context.h"
#include "core/check/cycles.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// The jobs of one schedule definition by key and by name (the first of each).
class JobIndex {
 public:
  explicit JobIndex(const ScheduleOutline& schedule) {
    for (size_t k = 0; k < schedule.Jobs.size(); ++k) {
      const std::string& key = schedule.Jobs[k].NodeKey;
      byKey_.emplace(key, static_cast<int>(k));
      byName_.emplace(key.substr(key.find('#') + 1), static_cast<int>(k));
    }
  }
  // The job a reference names; -1 when the schedule has none of that name.
  int Find(std::string_view job) const {
    const auto& index = job.find('#') == std::string_view::npos ? byName_ : byKey_;
    const auto found = index.find(std::string(job));
    return found == index.end() ? -1 : found->second;
  }

 private:
  std::unordered_map<std::string, int> byKey_;
  std::unordered_map<std::string, int> byName_;
};

std::string Qualified(std::string_view name, const std::string& workstation) {
  if (name.find('#') != std::string_view::npos) return std::string(name);
  return workstation + "#" + std::string(name);
}

std::string CycleText(const std::vector<std::string>& keys) {
  std::string text;
  for (const std::string& key : keys) text += key + " -> ";
  return text + keys.front();
}

}  // namespace

void CheckFollows(CheckContext& ctx) {
  const std::vector<ScheduleOutline>& outlines = ctx.Outlines;
  // A key's first definition stands for it, as in the schedule graph.
  std::unordered_map<std::string, int> scheduleOf;
  for (size_t s = 0; s < outlines.size(); ++s) scheduleOf.emplace(outlines[s].Key, static_cast<int>(s));
  std::unordered_map<int, JobIndex> jobIndexes;
  auto jobsOf = [&](int s) -> const JobIndex& {
    auto found = jobIndexes.find(s);
    if (found == jobIndexes.end()) found = jobIndexes.emplace(s, JobIndex(outlines[s])).first;
    return found->second;
  };

  std::vector<std::vector<WaitEdge>> waitsFor(outlines.size());
  for (size_t s = 0; s < outlines.size(); ++s) {
    ctx.Progress.Tick();
    const ScheduleOutline& schedule = outlines[s];
    const int self = scheduleOf.at(schedule.Key);
    auto add = [&](const char* rule, long long line, std::string message) {
      ctx.Add(rule, kKindSchedule, schedule.CatalogueKey, kSchedulesFile, line,
              std::move(message));
    };
    // Which job follows which inside this definition.
    std::vector<std::vector<WaitEdge>> jobWaits(schedule.Jobs.size());
    const JobIndex& ownJobs = jobsOf(static_cast<int>(s));

    for (const OutlineItem& item : schedule.Follows) {
      const std::string_view ref = item.Text;
      const size_t dot = ref.find('.');
      if (item.InJobs && dot == std::string_view::npos) {
        const int job = ownJobs.Find(ref);
        if (job < 0) {
          add("undefined-job-in-schedule", item.Line,
              "FOLLOWS names job " + std::string(ref) + ", which schedule " + schedule.Key +
                  " does not hold");
        } else if (item.Job >= 0) {
          jobWaits[static_cast<size_t>(item.Job)].push_back(WaitEdge{job, item.Line});
        }
        continue;
      }
      const std::string target = Qualified(ref.substr(0, dot), schedule.Workstation);
      const std::string job = dot == std::string_view::npos ? "" : std::string(ref.substr(dot + 1));
      const auto found = scheduleOf.find(target);
      if (found == scheduleOf.end()) {
        add("undefined-schedule", item.Line,
            "FOLLOWS names schedule " + target + ", which " + kSchedulesFile +
                " does not define");
        continue;
      }
      const int waitedFor = found->second;
      const bool wholeSchedule = job.empty() || job == "@";
      if (!wholeSchedule && jobsOf(waitedFor).Find(job) < 0) {
        add("undefined-job-in-schedule", item.Line,
            "FOLLOWS names job " + job + " of schedule " + target + ", which has no such job");
        continue;
      }
      if (waitedFor != self) {
        waitsFor[static_cast<size_t>(self)].push_back(WaitEdge{waitedFor, item.Line});
      } else if (!item.InJobs || wholeSchedule) {
        // A schedule that waits for itself, or a job that waits for its whole schedule.
        waitsFor[static_cast<size_t>(self)].push_back(WaitEdge{self, item.Line});
      } else if (item.Job >= 0) {
        jobWaits[static_cast<size_t>(item.Job)].push_back(
            WaitEdge{ownJobs.Find(job), item.Line});
      }
    }

    const auto jobCycles = FindWaitCycles(jobWaits, [&](int a, int b) {
      return schedule.Jobs[static_cast<size_t>(a)].NodeKey <
             schedule.Jobs[static_cast<size_t>(b)].NodeKey;
    });
    for (const WaitCycle& cycle : jobCycles) {
      std::vector<std::string> keys;
      for (int job : cycle.Members) keys.push_back(schedule.Jobs[static_cast<size_t>(job)].NodeKey);
      const long long line =
          cycle.Line >= 0 ? cycle.Line : schedule.Jobs[static_cast<size_t>(cycle.Members[0])].Line;
      add("job-cycle", line,
          keys.size() == 1 ? "Job " + keys[0] + " follows itself"
                           : "Jobs follow each other in a cycle (each follows the next): " +
                                 CycleText(keys));
    }
  }

  const auto cycles = FindWaitCycles(waitsFor, [&](int a, int b) {
    return outlines[static_cast<size_t>(a)].Key < outlines[static_cast<size_t>(b)].Key;
  });
  for (const WaitCycle& cycle : cycles) {
    const ScheduleOutline& first = outlines[static_cast<size_t>(cycle.Members[0])];
    std::vector<std::string> keys;
    for (int s : cycle.Members) keys.push_back(outlines[static_cast<size_t>(s)].Key);
    std::string message;
    if (cycle.Line < 0) {
      message = "Schedules that also wait for each other in cycles:";
      for (const std::string& key : keys) message += " " + key;
    } else if (keys.size() == 1) {
      message = "Schedule " + keys[0] + " waits for itself";
    } else {
      message = "Schedules wait for each other in a cycle (each waits for the next): " +
                CycleText(keys);
    }
    ctx.Add("schedule-cycle", kKindSchedule, first.CatalogueKey, kSchedulesFile,
            cycle.Line >= 0 ? cycle.Line : first.Line, std::move(message));
  }
}

}  // namespace vdbq
