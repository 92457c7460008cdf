// Writes a synthetic set of the seven extract files for load and report timing.
//
//   gen_extracts --schedules N --jobs M --workstations W --seed S --out DIR [--followers F]
//
// The same arguments always give byte-identical files. Names have fixed-width numbers so
// that no key is a prefix or tail of another by accident; dependencies between schedules
// only point at schedules generated earlier, so the set holds no cycles.

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numeric>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vdbq {
namespace {

constexpr int kMaxSchedules = 200000;
constexpr int kMaxJobs = 999999;
constexpr int kMaxWorkstations = 9999;
constexpr int kLargestSchedule = 320;
constexpr int kMaxUsesPerJob = 3;
constexpr std::string_view kRetiredWorkstation = "RETIRED1";

constexpr std::string_view kUsage =
    "usage: gen_extracts --schedules N --jobs M --workstations W --seed S --out DIR "
    "[--followers F]\n"
    "  N: 1..200000 schedules, M: 0..999999 jobs, W: 1..9999 workstations,\n"
    "  S: any unsigned 64-bit number, DIR: output directory (created when missing),\n"
    "  F: 0..N-1 last schedules that also follow the first one (0 when not given)\n";

// Own generator instead of <random> distributions, whose output differs between
// standard libraries; the files must not depend on the compiler.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  int Below(int bound) { return bound <= 0 ? 0 : static_cast<int>(Next() % bound); }
  int Between(int low, int high) { return low + Below(high - low + 1); }
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  bool Percent(double percent) { return Unit() * 100.0 < percent; }
  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[Below(static_cast<int>(items.size()))];
  }

 private:
  uint64_t state_;
};

std::string Padded(long value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string ClockTime(Random& random) {
  return Padded(random.Below(24), 2) + Padded(random.Below(12) * 5, 2);
}

struct Options {
  int schedules = 0;
  int jobs = 0;
  int workstations = 0;
  uint64_t seed = 0;
  std::string out;
  int followers = 0;
};

struct Workstation {
  std::string name;
  std::string os;
};

struct Job {
  int workstation = 0;  // index into the workstation names, the retired one included
  std::string name;
  int uses = 0;
};

// A predecessor of a schedule: the whole schedule (".@"), one of its jobs named in the
// schedule's own FOLLOWS clause, or one of its jobs named in a job's FOLLOWS clause.
enum class LinkKind { kSchedule, kScheduleJob, kJobJob };

struct Link {
  int schedule = 0;
  LinkKind kind = LinkKind::kSchedule;
};

struct Schedule {
  int workstation = 0;
  std::string name;
  std::vector<int> jobs;
  std::vector<Link> predecessors;
};

struct NamedObject {
  std::string name;
  bool used = true;
};

struct Resource {
  int workstation = 0;
  std::string name;
  int quantity = 1;
  bool used = true;
};

struct Calendar {
  std::string name;
  bool used = true;
  bool past = false;
};

class Generator {
 public:
  explicit Generator(const Options& options) : options_(options), random_(options.seed) {}

  bool Run();

 private:
  void MakeWorkstations();
  void MakeCalendars();
  void MakeResourcesParametersPrompts();
  void MakeSchedules();
  std::vector<int> ScheduleSizes(long slots);
  void FillSchedules();
  int NewJob(int workstation, const std::unordered_set<std::string>& namesInSchedule);
  void AddUnscheduledJobs();
  void MakeDependencies();

  std::string CpusText();
  std::string CalendarsText();
  std::string ResourcesText() const;
  std::string ParmsText() const;
  std::string PromptsText() const;
  std::string JobsText();
  std::string SchedulesText();
  std::string ScheduleText(int index);
  std::string ReferenceTo(const Link& link, int fromWorkstation);
  std::string CommandFor(const Job& job, int number);

  const std::string& WorkstationName(int index) const { return workstationNames_[index]; }
  int RandomDefinedWorkstation() { return random_.Below(options_.workstations); }
  const NamedObject& UsedOf(const std::vector<NamedObject>& objects);

  Options options_;
  Random random_;
  std::vector<Workstation> workstations_;
  std::vector<std::string> workstationNames_;  // defined ones, then the retired one
  int retired_ = 0;
  std::vector<Calendar> calendars_;
  std::vector<int> onCalendars_;
  std::vector<int> exceptCalendars_;
  std::vector<Resource> resources_;
  std::vector<NamedObject> parameters_;
  std::vector<NamedObject> prompts_;
  std::vector<Schedule> schedules_;
  std::vector<Job> jobs_;
  std::unordered_set<std::string> jobKeys_;
  int jobNumber_ = 0;
  int scheduledJobTarget_ = 0;
};

constexpr std::string_view kJobVerbs[] = {
    "EXTRACT", "LOAD",  "POST", "REPORT", "BACKUP", "SYNC",  "PURGE", "ARCHIVE",
    "CHECK",   "PRINT", "SEND", "FETCH",  "MERGE",  "INDEX", "CLOSE", "CALC"};
constexpr std::string_view kScheduleAreas[] = {"FIN", "HR",  "ERP", "DWH", "WEB",
                                               "BKP", "OPS", "LOG", "PAY", "STK"};
constexpr std::string_view kCalendarBases[] = {"WORKDAYS", "HOLIDAYS", "MONTHEND",  "QTREND",
                                               "PAYDAYS",  "YEAREND",  "STOCKTAKE", "AUDIT"};
constexpr std::string_view kResourceBases[] = {"TAPES",   "DBLOCK",  "SLOTS",
                                               "PRINTER", "FTPSESS", "SPOOL"};
constexpr std::string_view kParameterBases[] = {"BINDIR", "SCRIPTS", "DATADIR", "TMPDIR",
                                                "LOGDIR", "ARCHDIR", "DBNAME",  "ENVNAME",
                                                "HOST",   "OUTDIR"};
constexpr std::string_view kUsers[] = {"batch", "dbadmin", "finops", "webjobs", "backup"};
constexpr std::string_view kRecoveries[] = {"STOP", "STOP", "CONTINUE", "RERUN"};

void Generator::MakeWorkstations() {
  for (int i = 0; i < options_.workstations; ++i) {
    Workstation ws;
    ws.name = "WS" + Padded(i + 1, 4);
    // The first few cover every kind of system even in a small set.
    static constexpr std::string_view kFirstKinds[] = {"UNIX", "WNT", "OTHER", "MPIX", "MPEV"};
    if (i < 5) {
      ws.os = kFirstKinds[i];
    } else {
      const int pick = random_.Below(20);
      ws.os = pick < 13    ? "UNIX"
              : pick < 17  ? "WNT"
              : pick == 17 ? "OTHER"
              : pick == 18 ? "MPIX"
                           : "MPEV";
    }
    workstations_.push_back(ws);
    workstationNames_.push_back(ws.name);
  }
  retired_ = static_cast<int>(workstationNames_.size());
  workstationNames_.emplace_back(kRetiredWorkstation);
}

// Calendars marked past hold dates of 2019 to 2021 only, the others dates of 2027 to 2030.
void Generator::MakeCalendars() {
  const int count = 8 + options_.schedules / 250;
  for (int i = 0; i < count; ++i) {
    Calendar calendar;
    calendar.past = i % 5 == 2;
    calendar.name = std::string(kCalendarBases[i % 8]);
    if (i >= 8) calendar.name += "_" + Padded(i, 3);
    if (calendar.past) calendar.name += "_OLD";
    calendar.used = i % 10 != 5 && i % 10 != 7;
    calendars_.push_back(calendar);
    if (calendar.used) (i % 8 == 1 ? exceptCalendars_ : onCalendars_).push_back(i);
  }
}

void Generator::MakeResourcesParametersPrompts() {
  const int resourceCount = 4 + options_.workstations;
  for (int i = 0; i < resourceCount; ++i) {
    Resource resource;
    resource.workstation = RandomDefinedWorkstation();
    resource.name = std::string(kResourceBases[i % 6]) + "_" + Padded(i, 4);
    resource.quantity = random_.Between(1, 16);
    resource.used = i % 6 != 5;
    resources_.push_back(resource);
  }
  const int parameterCount = 10 + options_.workstations / 2;
  for (int i = 0; i < parameterCount; ++i) {
    std::string name(kParameterBases[i % 10]);
    if (i >= 10) name += "_" + Padded(i, 3);
    parameters_.push_back({name, i % 4 != 3});
  }
  const int promptCount = 5 + options_.schedules / 100;
  for (int i = 0; i < promptCount; ++i) {
    prompts_.push_back({std::string(kScheduleAreas[i % 10]) + "_OK_" + Padded(i, 4), i % 5 != 4});
  }
}

const NamedObject& Generator::UsedOf(const std::vector<NamedObject>& objects) {
  // Every list keeps its first entry in use, so this always ends.
  while (true) {
    const NamedObject& object = random_.Pick(objects);
    if (object.used) return object;
  }
}

void Generator::MakeSchedules() {
  const int count = options_.schedules;
  const int retiredCount = count >= 20 ? std::max(1, count / 200) : count >= 5 ? 1 : 0;
  schedules_.resize(count);
  for (int i = 0; i < count; ++i) {
    Schedule& schedule = schedules_[i];
    schedule.workstation = i >= count - retiredCount ? retired_ : RandomDefinedWorkstation();
    schedule.name = std::string(kScheduleAreas[random_.Below(10)]) + "_" + Padded(i, 6);
  }
}

// Heavy-tailed sizes: most schedules hold a handful of jobs, a few some dozens, and one
// holds kLargestSchedule when there are jobs enough.
std::vector<int> Generator::ScheduleSizes(long slots) {
  const int count = options_.schedules;
  std::vector<int> sizes(count, 0);
  if (slots <= 0) return sizes;
  const int largest = random_.Below(count);
  sizes[largest] =
      static_cast<int>(count == 1 ? slots : std::min<long>(kLargestSchedule, slots / 3));
  long rest = slots - sizes[largest];
  if (count == 1 || rest <= 0) return sizes;
  std::vector<double> weights(count, 0.0);
  double total = 0.0;
  for (int i = 0; i < count; ++i) {
    if (i == largest) continue;
    weights[i] = 1.0 / (0.05 + random_.Unit());
    total += weights[i];
  }
  long given = 0;
  for (int i = 0; i < count; ++i) {
    if (i == largest) continue;
    sizes[i] = static_cast<int>(static_cast<double>(rest) * weights[i] / total);
    given += sizes[i];
  }
  for (int i = 0; given < rest; i = (i + 1) % count) {
    if (i == largest) continue;
    ++sizes[i];
    ++given;
  }
  return sizes;
}

int Generator::NewJob(int workstation, const std::unordered_set<std::string>& namesInSchedule) {
  Job job;
  job.workstation = workstation;
  const int number = jobNumber_++;
  // A few names repeat on another workstation, as copied job streams do.
  if (!jobs_.empty() && random_.Percent(2.0)) {
    const Job& original = random_.Pick(jobs_);
    const std::string key = WorkstationName(workstation) + "#" + original.name;
    if (original.workstation != workstation && !jobKeys_.contains(key) &&
        !namesInSchedule.contains(original.name)) {
      job.name = original.name;
    }
  }
  if (job.name.empty()) {
    job.name = std::string(kJobVerbs[random_.Below(16)]) + "_" + Padded(number, 6);
  }
  jobKeys_.insert(WorkstationName(workstation) + "#" + job.name);
  jobs_.push_back(std::move(job));
  return static_cast<int>(jobs_.size()) - 1;
}

void Generator::FillSchedules() {
  const int unscheduled = options_.jobs >= 10 ? options_.jobs * 3 / 100 : 0;
  scheduledJobTarget_ = options_.jobs - unscheduled;
  long slots = 0;
  if (scheduledJobTarget_ > 0) {
    slots = std::max<long>(scheduledJobTarget_ + scheduledJobTarget_ / 5, options_.schedules);
  }
  const std::vector<int> sizes = ScheduleSizes(slots);
  long slotsLeft = slots;
  std::unordered_set<std::string> names;
  for (int s = 0; s < options_.schedules; ++s) {
    Schedule& schedule = schedules_[s];
    names.clear();
    for (int slot = 0; slot < sizes[s]; ++slot, --slotsLeft) {
      const long newLeft = scheduledJobTarget_ - static_cast<long>(jobs_.size());
      const bool wantNew =
          newLeft > 0 && (jobs_.empty() || random_.Unit() * static_cast<double>(slotsLeft) <
                                               static_cast<double>(newLeft));
      int chosen = -1;
      if (!wantNew && !jobs_.empty()) {
        for (int attempt = 0; attempt < 8 && chosen < 0; ++attempt) {
          const int candidate = random_.Below(static_cast<int>(jobs_.size()));
          if (jobs_[candidate].uses < kMaxUsesPerJob && !names.contains(jobs_[candidate].name)) {
            chosen = candidate;
          }
        }
      }
      if (chosen < 0 && newLeft > 0) {
        int workstation = schedule.workstation;
        if (workstation != retired_ && random_.Percent(12.0)) {
          workstation = RandomDefinedWorkstation();
        }
        chosen = NewJob(workstation, names);
      }
      if (chosen < 0) continue;
      ++jobs_[chosen].uses;
      names.insert(jobs_[chosen].name);
      schedule.jobs.push_back(chosen);
    }
  }
}

void Generator::AddUnscheduledJobs() {
  const std::unordered_set<std::string> none;
  while (static_cast<int>(jobs_.size()) < options_.jobs) NewJob(RandomDefinedWorkstation(), none);
}

// One long chain through the first schedules, then small clusters that depend on earlier
// members of their own cluster, with a rare link back to any earlier schedule.
void Generator::MakeDependencies() {
  const int count = options_.schedules;
  const int chain = count >= 1000 ? 320 + count / 200 : std::min(count, std::max(5, count / 3));
  auto linkTo = [&](int from, int to) {
    Link link;
    link.schedule = to;
    const int pick = random_.Below(4);
    link.kind = pick < 2    ? LinkKind::kSchedule
                : pick == 2 ? LinkKind::kScheduleJob
                            : LinkKind::kJobJob;
    if (schedules_[to].jobs.empty() && link.kind != LinkKind::kSchedule) {
      link.kind = LinkKind::kSchedule;
    }
    if (schedules_[from].jobs.empty() && link.kind == LinkKind::kJobJob) {
      link.kind = LinkKind::kScheduleJob;
    }
    schedules_[from].predecessors.push_back(link);
  };
  for (int s = 1; s < chain; ++s) linkTo(s, s - 1);
  int clusterStart = chain;
  for (int s = chain; s < count; ++s) {
    if (s - clusterStart >= 12 || random_.Percent(20.0)) clusterStart = s;
    const int earlierInCluster = s - clusterStart;
    if (earlierInCluster > 0 && random_.Percent(70.0)) {
      const int first = clusterStart + random_.Below(earlierInCluster);
      linkTo(s, first);
      if (earlierInCluster > 1 && random_.Percent(20.0)) {
        const int second = clusterStart + random_.Below(earlierInCluster);
        if (second != first) linkTo(s, second);
      }
    }
    if (s > 0 && random_.Percent(2.0)) linkTo(s, random_.Below(s));
  }
  // One schedule that thousands wait for, to time the questions about what depends on it;
  // without followers no random number is drawn, so the default set stays as it was.
  for (int s = count - options_.followers; s < count; ++s) {
    if (s > 0) linkTo(s, 0);
  }
}

std::string Generator::ReferenceTo(const Link& link, int fromWorkstation) {
  const Schedule& target = schedules_[link.schedule];
  std::string reference;
  // Same-workstation references in the schedule's own clause may leave the workstation out;
  // readers complete them. Job clauses also name internal jobs, so they stay qualified.
  if (target.workstation != fromWorkstation || link.kind == LinkKind::kJobJob ||
      random_.Percent(90.0)) {
    reference = WorkstationName(target.workstation) + "#";
  }
  reference += target.name + ".";
  if (link.kind == LinkKind::kSchedule) {
    reference += "@";
  } else {
    reference += jobs_[random_.Pick(target.jobs)].name;
  }
  return reference;
}

// Writes a FOLLOWS clause, continuing it on further lines after a trailing comma when it
// names more than two entries.
void AppendFollows(std::string& text, std::string_view indent,
                   const std::vector<std::string>& entries) {
  if (entries.empty()) return;
  text += indent;
  text += "FOLLOWS ";
  for (size_t i = 0; i < entries.size(); ++i) {
    text += entries[i];
    if (i + 1 == entries.size()) break;
    text += ',';
    if (i % 2 == 1) {
      text += '\n';
      text += indent;
      text += ' ';
    }
  }
  text += '\n';
}

std::string Generator::ScheduleText(int index) {
  const Schedule& schedule = schedules_[index];
  const std::string& ws = WorkstationName(schedule.workstation);
  std::string text;
  if (random_.Percent(3.0)) text += "* " + schedule.name + " - maintained by the batch team\n";
  text += "SCHEDULE " + ws + "#" + schedule.name + "\n";

  const int onPick = random_.Below(100);
  if (onPick < 75 && !onCalendars_.empty()) {
    text += "ON " + calendars_[random_.Pick(onCalendars_)].name;
    // A few clauses go on over a second line after a trailing comma.
    if (onPick < 2) text += ",\n " + calendars_[random_.Pick(onCalendars_)].name;
    text += "\n";
  } else if (onPick < 88) {
    text += "ON MO,TU,WE,TH,FR\n";
  } else if (onPick < 96) {
    text += "ON EVERYDAY\n";
  } else {
    text += "ON REQUEST\n";
  }
  if (!exceptCalendars_.empty() && random_.Percent(40.0)) {
    text += "EXCEPT " + calendars_[random_.Pick(exceptCalendars_)].name + "\n";
  }
  if (random_.Percent(70.0)) text += "AT " + ClockTime(random_) + "\n";
  if (random_.Percent(15.0)) text += "UNTIL " + ClockTime(random_) + "\n";

  std::vector<std::string> scheduleFollows;
  std::vector<std::pair<int, std::string>> jobFollows;  // job slot, reference
  for (const Link& link : schedule.predecessors) {
    std::string reference = ReferenceTo(link, schedule.workstation);
    if (link.kind == LinkKind::kJobJob) {
      jobFollows.emplace_back(random_.Below(static_cast<int>(schedule.jobs.size())),
                              std::move(reference));
    } else {
      scheduleFollows.push_back(std::move(reference));
    }
  }
  // An entry without its workstation is completed only when it stands alone in its clause.
  if (scheduleFollows.size() > 1) {
    for (std::string& entry : scheduleFollows) {
      if (entry.find('#') == std::string::npos) entry.insert(0, ws + "#");
    }
  }
  AppendFollows(text, "", scheduleFollows);

  if (random_.Percent(20.0)) text += "CARRYFORWARD\n";
  if (random_.Percent(15.0)) {
    text += "PRIORITY " +
            (random_.Percent(10.0) ? std::string("GO") : std::to_string(random_.Between(1, 99))) +
            "\n";
  }
  if (random_.Percent(10.0)) text += "LIMIT " + std::to_string(random_.Between(1, 20)) + "\n";
  auto needsClause = [&](std::string_view indent) {
    const Resource* resource = nullptr;
    while (resource == nullptr || !resource->used) {
      resource = &random_.Pick(resources_);
    }
    std::string clause(indent);
    clause += "NEEDS " + std::to_string(random_.Between(1, resource->quantity)) + " ";
    if (resource->workstation != schedule.workstation || random_.Percent(50.0)) {
      clause += WorkstationName(resource->workstation) + "#";
    }
    return clause + resource->name + "\n";
  };
  auto promptClause = [&](std::string_view indent) {
    std::string clause(indent);
    if (random_.Percent(25.0)) {
      return clause + "PROMPT \"Reply YES when " + schedule.name + " may start\"\n";
    }
    return clause + "PROMPT " + UsedOf(prompts_).name + "\n";
  };
  if (random_.Percent(10.0)) text += needsClause("");
  if (random_.Percent(7.0)) text += promptClause("");
  if (random_.Percent(5.0)) text += "OPENS " + ws + "#\"/data/in/" + schedule.name + ".ready\"\n";
  text += ":\n";

  for (size_t slot = 0; slot < schedule.jobs.size(); ++slot) {
    const Job& job = jobs_[schedule.jobs[slot]];
    text += ' ';
    if (job.workstation != schedule.workstation || random_.Percent(90.0)) {
      text += WorkstationName(job.workstation) + "#";
    }
    text += job.name;
    if (random_.Percent(3.0)) {
      text += " CONFIRMED";
    } else if (random_.Percent(2.0)) {
      text += " PRIORITY " + std::to_string(random_.Between(1, 99));
    }
    text += '\n';
    if (random_.Percent(10.0)) text += "   AT " + ClockTime(random_) + "\n";
    std::vector<std::string> follows;
    if (slot > 0) {
      const double pick = random_.Unit();
      if (pick < 0.55) {
        const size_t earlier = random_.Percent(70.0)
                                   ? slot - 1
                                   : static_cast<size_t>(random_.Below(static_cast<int>(slot)));
        follows.push_back(jobs_[schedule.jobs[earlier]].name);
      } else if (pick < 0.67 && slot >= 2) {
        const size_t first = random_.Below(static_cast<int>(slot));
        size_t second = random_.Below(static_cast<int>(slot));
        if (second == first) second = (first + 1) % slot;
        follows.push_back(jobs_[schedule.jobs[std::min(first, second)]].name);
        follows.push_back(jobs_[schedule.jobs[std::max(first, second)]].name);
      }
    }
    for (const auto& [jobSlot, reference] : jobFollows) {
      if (jobSlot == static_cast<int>(slot)) follows.push_back(reference);
    }
    AppendFollows(text, "   ", follows);
    if (random_.Percent(3.0)) text += needsClause("   ");
    if (random_.Percent(1.0)) text += promptClause("   ");
    if (random_.Percent(1.0)) text += "   OPENS \"/data/in/" + job.name + ".dat\"\n";
    if (random_.Percent(3.0)) {
      text += "   EVERY " + Padded(random_.Between(1, 12) * 5, 4) + "\n";
      text += "   UNTIL " + ClockTime(random_) + "\n";
    } else if (random_.Percent(2.0)) {
      text += "   PRIORITY " + std::to_string(random_.Between(1, 99)) + "\n";
    }
  }
  text += "END\n\n";
  return text;
}

std::string Generator::SchedulesText() {
  std::vector<std::string> blocks(schedules_.size());
  for (size_t i = 0; i < schedules_.size(); ++i) blocks[i] = ScheduleText(static_cast<int>(i));
  std::vector<int> order(schedules_.size());
  std::iota(order.begin(), order.end(), 0);
  auto key = [&](int i) {
    return std::pair<const std::string&, const std::string&>(
        WorkstationName(schedules_[i].workstation), schedules_[i].name);
  };
  std::sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
  std::string text = "* Generated schedules, seed " + std::to_string(options_.seed) + "\n\n";
  for (int i : order) text += blocks[i];
  return text;
}

std::string Generator::CommandFor(const Job& job, int number) {
  auto parameter = [&] { return "^" + UsedOf(parameters_).name + "^"; };
  std::string arguments;
  const int pick = random_.Below(100);
  if (pick < 60) {
    arguments = " " + parameter();
  } else if (pick < 85) {
    arguments = " " + parameter() + " " + parameter() + "/" + Padded(number, 6);
  }
  const std::string lower = Lower(job.name);
  const std::string& os =
      job.workstation == retired_ ? workstations_[0].os : workstations_[job.workstation].os;
  if (os == "MPIX" || os == "MPEV") {
    return "JOBFILENAME J" + Padded(number, 6) + ".JOB.BATCH";
  }
  if (os == "WNT") return "DOCOMMAND \"D:\\batch\\" + lower + ".cmd" + arguments + "\"";
  if (os == "OTHER") return "DOCOMMAND \"RUN " + job.name + arguments + "\"";
  if (random_.Percent(60.0)) return "SCRIPTNAME \"^SCRIPTS^/" + lower + ".sh" + arguments + "\"";
  return "DOCOMMAND \"/opt/batch/bin/" + lower + arguments + "\"";
}

std::string Generator::JobsText() {
  std::vector<int> order(jobs_.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](int a, int b) {
    const Job& x = jobs_[a];
    const Job& y = jobs_[b];
    if (x.workstation != y.workstation) {
      return WorkstationName(x.workstation) < WorkstationName(y.workstation);
    }
    return x.name < y.name;
  });
  std::string text = "* Generated job definitions\n\n";
  for (int index : order) {
    const Job& job = jobs_[index];
    text += WorkstationName(job.workstation) + "#" + job.name + " " + CommandFor(job, index) + "\n";
    text += "     STREAMLOGON " + std::string(kUsers[random_.Below(5)]) + "\n";
    if (random_.Percent(5.0)) {
      text += "     DESCRIPTION \"\"\n";
    } else {
      text += "     DESCRIPTION \"" + std::string(kScheduleAreas[index % 10]) + " batch step " +
              std::to_string(index) + "\"\n";
    }
    const bool windows = job.workstation != retired_ && workstations_[job.workstation].os == "WNT";
    if (windows && random_.Percent(5.0)) text += "     INTERACTIVE\n";
    text += "     RECOVERY " + std::string(kRecoveries[random_.Below(4)]) + "\n\n";
  }
  return text;
}

std::string Generator::CpusText() {
  std::string text = "* Generated workstation definitions\n";
  const std::string& master = workstations_[0].name;
  for (size_t i = 0; i < workstations_.size(); ++i) {
    const Workstation& ws = workstations_[i];
    text += "CPUNAME " + ws.name + "\n";
    text += "DESCRIPTION \"" + ws.os + " workstation " + std::to_string(i + 1) + "\"\n";
    text += "OS " + ws.os + "\n";
    text += "NODE " + Lower(ws.name) + ".batch.lan\n";
    text += "TCPADDR " + std::to_string(31111 + static_cast<int>(i % 3)) + "\n";
    text += "FOR VARNOLT\n";
    if (ws.os == "OTHER") {
      text += "TYPE X-AGENT\nHOST " + master + "\nACCESS erpbatch\n";
    } else {
      text += "DOMAIN MASTERDM\n";
      text += std::string("TYPE ") +
              (i == 0            ? "MANAGER"
               : ws.os == "MPIX" ? "S-AGENT"
                                 : "FTA") +
              "\n";
      text += std::string("AUTOLINK ") + (random_.Percent(90.0) ? "ON" : "OFF") + "\n";
      text += std::string("FULLSTATUS ") + (i == 0 ? "ON" : "OFF") + "\n";
      text += std::string("RESOLVEDEP ") + (i == 0 ? "ON" : "OFF") + "\n";
      if (ws.os == "WNT") text += "BEHINDFIREWALL ON\n";
      text += "TIMEZONE Europe/Oslo\n";
    }
    text += "END\n\n";
  }
  const int classes = std::max(2, options_.workstations / 25);
  for (int c = 0; c < classes; ++c) {
    text += "CPUCLASS CLASS_" + Padded(c + 1, 3) + "\n";
    const int members = std::min(options_.workstations, random_.Between(2, 8));
    std::vector<int> picked;
    while (static_cast<int>(picked.size()) < members) {
      const int ws = RandomDefinedWorkstation();
      if (std::find(picked.begin(), picked.end(), ws) == picked.end()) picked.push_back(ws);
    }
    text += "MEMBERS";
    for (size_t m = 0; m < picked.size(); ++m) {
      text += (m < 3 ? " " : "\n  ") + workstations_[picked[m]].name;
    }
    text += "\nEND\n\n";
  }
  return text;
}

std::string Generator::CalendarsText() {
  static constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  auto daysIn = [](int year, int month) {
    return month == 2 && year % 4 == 0 ? 29 : kMonthDays[month - 1];
  };
  std::string text = "$CALENDAR\n";
  for (size_t i = 0; i < calendars_.size(); ++i) {
    const Calendar& calendar = calendars_[i];
    text += calendar.name + "\t\"" + (calendar.past ? "Old " : "") + "calendar " + calendar.name +
            "\"\n";
    const int firstYear = calendar.past ? 2019 : 2027;
    const int lastYear = calendar.past ? 2021 : 2030;
    // Dates as year*10000 + month*100 + day, so sorting orders them by time.
    std::vector<int> dates;
    if (i == 0) {
      // Every day of the first year but roughly the weekends, as a working-day calendar.
      for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= daysIn(firstYear, month); ++day) {
          if ((month * 31 + day) % 7 >= 2) dates.push_back(firstYear * 10000 + month * 100 + day);
        }
      }
    } else {
      const int wanted = random_.Between(4, 60);
      for (int d = 0; d < wanted; ++d) {
        const int year = random_.Between(firstYear, lastYear);
        const int month = random_.Between(1, 12);
        dates.push_back(year * 10000 + month * 100 + random_.Between(1, daysIn(year, month)));
      }
    }
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    for (size_t d = 0; d < dates.size(); ++d) {
      text += d % 10 == 0 ? "  " : " ";
      const int date = dates[d];
      text += Padded(date / 100 % 100, 2) + "/" + Padded(date % 100, 2) + "/" +
              Padded(date / 10000 % 100, 2);
      if (d % 10 == 9 || d + 1 == dates.size()) text += '\n';
    }
  }
  return text;
}

std::string Generator::ResourcesText() const {
  std::string text = "$RESOURCE\n";
  for (const Resource& resource : resources_) {
    std::string quantity = std::to_string(resource.quantity);
    quantity.insert(0, 4 - quantity.size(), ' ');
    text += WorkstationName(resource.workstation) + "#" + resource.name + "\t" + quantity + "\t";
    text +=
        resource.quantity % 7 == 0 ? std::string("\"\"") : "\"Shared " + resource.name + " pool\"";
    text += '\n';
  }
  return text;
}

std::string Generator::ParmsText() const {
  std::string text = "$PARM\n";
  for (size_t i = 0; i < parameters_.size(); ++i) {
    text += parameters_[i].name + " \"/srv/batch/" + Padded(static_cast<long>(i), 3) + "\"\n";
  }
  return text;
}

std::string Generator::PromptsText() const {
  std::string text = "$PROMPT\n";
  for (const NamedObject& prompt : prompts_) {
    text += prompt.name + " \"Reply YES when " + prompt.name + " is ready (Y/N)\"\n";
  }
  return text;
}

bool WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
  file.close();
  if (!file) {
    std::cerr << "gen_extracts: cannot write " << path.string() << "\n";
    return false;
  }
  return true;
}

bool Generator::Run() {
  std::error_code error;
  std::filesystem::create_directories(options_.out, error);
  if (error) {
    std::cerr << "gen_extracts: cannot create " << options_.out << ": " << error.message() << "\n";
    return false;
  }
  MakeWorkstations();
  MakeCalendars();
  MakeResourcesParametersPrompts();
  MakeSchedules();
  FillSchedules();
  AddUnscheduledJobs();
  MakeDependencies();

  const std::filesystem::path dir(options_.out);
  return WriteFile(dir / "Cpus.Xtract", CpusText()) &&
         WriteFile(dir / "Calendars.Xtract", CalendarsText()) &&
         WriteFile(dir / "Resources.Xtract", ResourcesText()) &&
         WriteFile(dir / "Parms.Xtract", ParmsText()) &&
         WriteFile(dir / "Prompts.Xtract", PromptsText()) &&
         WriteFile(dir / "Schedules.Xtract", SchedulesText()) &&
         WriteFile(dir / "Jobs.Xtract", JobsText());
}

template <typename Number>
bool ParseNumber(std::string_view text, Number low, Number high, Number& value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  return result.ec == std::errc() && result.ptr == end && value >= low && value <= high;
}

bool ParseOptions(int argc, char** argv, Options& options) {
  bool seen[6] = {};
  for (int i = 1; i < argc; i += 2) {
    const std::string_view name = argv[i];
    if (i + 1 >= argc) return false;
    const std::string_view value = argv[i + 1];
    bool ok = false;
    int slot = -1;
    if (name == "--schedules") {
      slot = 0;
      ok = ParseNumber(value, 1, kMaxSchedules, options.schedules);
    } else if (name == "--jobs") {
      slot = 1;
      ok = ParseNumber(value, 0, kMaxJobs, options.jobs);
    } else if (name == "--workstations") {
      slot = 2;
      ok = ParseNumber(value, 1, kMaxWorkstations, options.workstations);
    } else if (name == "--seed") {
      slot = 3;
      ok = ParseNumber<uint64_t>(value, 0, UINT64_MAX, options.seed);
    } else if (name == "--out") {
      slot = 4;
      options.out = std::string(value);
      ok = !value.empty();
    } else if (name == "--followers") {
      slot = 5;
      ok = ParseNumber(value, 0, kMaxSchedules - 1, options.followers);
    }
    if (!ok || seen[slot]) return false;
    seen[slot] = true;
  }
  return std::all_of(std::begin(seen), std::begin(seen) + 5, [](bool b) { return b; }) &&
         options.followers < options.schedules;
}

}  // namespace
}  // namespace vdbq

int main(int argc, char** argv) {
  vdbq::Options options;
  if (!vdbq::ParseOptions(argc, argv, options)) {
    std::cerr << vdbq::kUsage;
    return 2;
  }
  return vdbq::Generator(options).Run() ? 0 : 1;
}
