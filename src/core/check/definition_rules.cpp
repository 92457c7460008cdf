// undefined-workstation and duplicate-definition: what each extract defines, looked at alone.

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/check/check_context.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// The catalogue's test of a workstation ("@:@" + W + "@:@" occurs in ValidCpuList), answered
// from a set of the defined names. Only names holding "@" or ":" could make the list's test
// differ from the set's, so only then is the list itself searched.
class WorkstationTest {
 public:
  WorkstationTest(const ExtractStore& store, const Catalogue& catalogue) : catalogue_(catalogue) {
    for (std::string_view line : store.CpuLines) {
      if (!IsCpuNameLine(line)) continue;
      const std::string_view name = CpuNameOf(line);
      odd_ = odd_ || name.find_first_of("@:") != std::string_view::npos;
      names_.insert(name);
    }
  }

  // Keys come grouped by workstation, so the last answer is asked for again most of the time.
  bool Defined(std::string_view workstation) {
    if (asked_ && workstation == last_) return lastAnswer_;
    asked_ = true;
    last_ = workstation;
    return lastAnswer_ = Look(workstation);
  }

 private:
  bool Look(std::string_view workstation) {
    if (names_.contains(workstation)) return true;
    if (!odd_ && workstation.find_first_of("@:") == std::string_view::npos) return false;
    const auto known = slow_.find(workstation);
    if (known != slow_.end()) return known->second;
    return slow_[workstation] = catalogue_.IsDefinedCpu(workstation);
  }

  const Catalogue& catalogue_;
  std::unordered_set<std::string_view> names_;
  std::unordered_map<std::string_view, bool> slow_;
  bool odd_ = false;
  bool asked_ = false;
  std::string_view last_;
  bool lastAnswer_ = false;
};

void CheckWorkstationOf(FindingList& findings, WorkstationTest& test, ObjectKind kind,
                        std::string_view key, const char* file, long long line) {
  const size_t hash = key.find('#');
  // Keys without "#" have no workstation; the catalogue leaves them out altogether.
  if (hash == std::string_view::npos) return;
  const std::string_view workstation = key.substr(0, hash);
  if (test.Defined(workstation)) return;
  findings.Add("undefined-workstation", kind, std::string(key), file, line,
               "Workstation " + std::string(workstation) + " is not defined in " + kCpusFile);
}

void AddDuplicate(FindingList& findings, ObjectKind kind, const char* file, std::string_view key,
                  long long line, long long firstLine) {
  findings.Add("duplicate-definition", kind, std::string(key), file, line,
               KindTitle(kind) + (" " + std::string(key)) +
                   " is defined again; its first definition is on line " +
                   std::to_string(NumberOfIndex(LineIndex(firstLine)).Value));
}

// Adds a finding for every definition of a key after its first one.
class DuplicateTest {
 public:
  DuplicateTest(FindingList& findings, Progress& progress, ObjectKind kind, const char* file,
                size_t expected)
      : findings_(findings), progress_(progress), kind_(kind), file_(file) {
    first_.reserve(expected);
    lines_.reserve(expected);
  }

  // The key must outlive the test.
  void See(std::string_view key, long long line) {
    progress_.Tick();
    const auto [first, isNew] = first_.emplace(key, static_cast<uint32_t>(lines_.size()));
    if (isNew) {
      lines_.push_back(line);
    } else {
      AddDuplicate(findings_, kind_, file_, key, line, lines_[first->second]);
    }
  }

 private:
  FindingList& findings_;
  Progress& progress_;
  ObjectKind kind_;
  const char* file_;
  FlatViewMap first_;  // each key's first definition, an index into lines_
  std::vector<long long> lines_;
};

}  // namespace

bool IsCpuNameLine(std::string_view line) {
  return StartsWith(UpperCase(TrimBlanksView(line).substr(0, 7)), "CPUNAME");
}

std::string_view CpuNameOf(std::string_view line) { return line.size() > 8 ? line.substr(8) : ""; }

void CheckJobDefinitions(const ExtractStore& store, const Catalogue& catalogue, JobTable& table,
                         FindingList& findings) {
  WorkstationTest workstations(store, catalogue);
  table.Jobs = JobDefinitions(store);
  const HugeVector<DefinitionAt>& jobs = table.Jobs;
  // The table of keys serves the other families too.
  table.Enter([&](uint32_t j, uint32_t first) {
    const DefinitionAt& job = jobs[j];
    CheckWorkstationOf(findings, workstations, ObjectKind::Job, job.Key, kJobsFile, job.Line);
    if (first != j)
      AddDuplicate(findings, ObjectKind::Job, kJobsFile, job.Key, job.Line, jobs[first].Line);
  });
}

void CheckDefinitions(const CheckContext& ctx, FindingList& findings) {
  const ExtractStore& store = ctx.Store;
  Progress& progress = ctx.Progress;
  WorkstationTest workstations(store, ctx.Catalogue);

  DuplicateTest cpus(findings, progress, ObjectKind::Workstation, kCpusFile, 0);
  for (long long i = 0; i < store.CpuLines.Count(); ++i) {
    const std::string_view line = store.CpuLines.At(i);
    if (IsCpuNameLine(line)) cpus.See(CpuNameOf(line), i);
  }

  DuplicateTest schedules(findings, progress, ObjectKind::Schedule, kSchedulesFile,
                          ctx.Outlines.size());
  for (const ScheduleOutline& outline : ctx.Outlines) {
    CheckWorkstationOf(findings, workstations, ObjectKind::Schedule, outline.CatalogueKey,
                       kSchedulesFile, outline.Line);
    schedules.See(outline.Key, outline.Line);
  }

  const std::vector<DefinitionAt> resourceList = ResourceDefinitions(store);
  DuplicateTest resources(findings, progress, ObjectKind::Resource, kResourcesFile,
                          resourceList.size());
  for (const DefinitionAt& resource : resourceList) {
    CheckWorkstationOf(findings, workstations, ObjectKind::Resource, resource.Key, kResourcesFile,
                       resource.Line);
    resources.See(resource.Key, resource.Line);
  }

  const std::vector<DefinitionAt> calendarList = CalendarDefinitions(store);
  DuplicateTest calendars(findings, progress, ObjectKind::Calendar, kCalendarsFile,
                          calendarList.size());
  for (const DefinitionAt& calendar : calendarList) {
    calendars.See(calendar.Key, calendar.Line);
  }

  DuplicateTest parameters(findings, progress, ObjectKind::Parameter, kParmsFile,
                           store.ParameterList.size());
  for (const NameValue& row : store.ParameterList) {
    if (!row.Name.empty()) parameters.See(row.Name, row.Line);
  }
  DuplicateTest prompts(findings, progress, ObjectKind::Prompt, kPromptsFile,
                        store.PromptList.size());
  for (const NameValue& row : store.PromptList) {
    if (!row.Name.empty()) prompts.See(row.Name, row.Line);
  }
}

}  // namespace vdbq
