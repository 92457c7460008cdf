// undefined-workstation and duplicate-definition: what each extract defines, looked at alone.

#include <cctype>
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
  explicit WorkstationTest(const CheckContext& ctx) : catalogue_(ctx.Catalogue) {
    for (std::string_view line : ctx.Store.CpuLines) {
      if (!StartsWith(UpperCase(TrimBlanks(line)), "CPUNAME")) continue;
      const std::string name = CopyFrom(line, 9);
      odd_ = odd_ || name.find_first_of("@:") != std::string::npos;
      names_.insert(name);
    }
  }

  bool Defined(const std::string& workstation) {
    if (names_.contains(workstation)) return true;
    if (!odd_ && workstation.find_first_of("@:") == std::string::npos) return false;
    const auto known = slow_.find(workstation);
    if (known != slow_.end()) return known->second;
    return slow_[workstation] = catalogue_.IsDefinedCpu(workstation);
  }

 private:
  const Catalogue& catalogue_;
  std::unordered_set<std::string> names_;
  std::unordered_map<std::string, bool> slow_;
  bool odd_ = false;
};

void CheckWorkstationOf(CheckContext& ctx, WorkstationTest& test, const char* kind,
                        const std::string& key, const char* file, long long line) {
  const size_t hash = key.find('#');
  // Keys without "#" have no workstation; the catalogue leaves them out altogether.
  if (hash == std::string::npos) return;
  const std::string workstation = key.substr(0, hash);
  if (test.Defined(workstation)) return;
  ctx.Add("undefined-workstation", kind, key, file, line,
          "Workstation " + workstation + " is not defined in " + kCpusFile);
}

// Adds a finding for every definition of a key after its first one.
class DuplicateTest {
 public:
  DuplicateTest(CheckContext& ctx, const char* kind, const char* file)
      : ctx_(ctx), kind_(kind), file_(file) {}

  void See(const std::string& key, long long line) {
    ctx_.Progress.Tick();
    const auto [first, isNew] = firstLine_.emplace(key, line);
    if (isNew) return;
    ctx_.Add("duplicate-definition", kind_, key, file_, line,
             std::string(1, static_cast<char>(std::toupper(kind_[0]))) + (kind_ + 1) + " " + key +
                 " is defined again; its first definition is on line " +
                 std::to_string(first->second + 1));
  }

 private:
  CheckContext& ctx_;
  const char* kind_;
  const char* file_;
  std::unordered_map<std::string, long long> firstLine_;
};

}  // namespace

void CheckDefinitions(CheckContext& ctx) {
  const ExtractStore& store = ctx.Store;
  WorkstationTest workstations(ctx);

  DuplicateTest cpus(ctx, kKindWorkstation, kCpusFile);
  for (long long i = 0; i < store.CpuLines.Count(); ++i) {
    const std::string_view line = store.CpuLines.At(i);
    if (StartsWith(UpperCase(TrimBlanks(line)), "CPUNAME")) cpus.See(CopyFrom(line, 9), i);
  }

  DuplicateTest schedules(ctx, kKindSchedule, kSchedulesFile);
  for (const ScheduleOutline& outline : ctx.Outlines) {
    CheckWorkstationOf(ctx, workstations, kKindSchedule, outline.CatalogueKey, kSchedulesFile,
                       outline.Line);
    schedules.See(outline.Key, outline.Line);
  }

  DuplicateTest jobs(ctx, kKindJob, kJobsFile);
  for (const DefinitionAt& job : JobDefinitions(store)) {
    CheckWorkstationOf(ctx, workstations, kKindJob, job.Key, kJobsFile, job.Line);
    if (!job.Key.empty()) jobs.See(job.Key, job.Line);
  }

  DuplicateTest resources(ctx, kKindResource, kResourcesFile);
  for (const DefinitionAt& resource : ResourceDefinitions(store)) {
    CheckWorkstationOf(ctx, workstations, kKindResource, resource.Key, kResourcesFile,
                       resource.Line);
    resources.See(resource.Key, resource.Line);
  }

  DuplicateTest calendars(ctx, kKindCalendar, kCalendarsFile);
  for (const DefinitionAt& calendar : CalendarDefinitions(store)) {
    calendars.See(calendar.Key, calendar.Line);
  }

  DuplicateTest parameters(ctx, kKindParameter, kParmsFile);
  for (const NameValue& row : store.ParameterList) {
    if (!row.Name.empty()) parameters.See(row.Name, row.Line);
  }
  DuplicateTest prompts(ctx, kKindPrompt, kPromptsFile);
  for (const NameValue& row : store.PromptList) {
    if (!row.Name.empty()) prompts.See(row.Name, row.Line);
  }
}

}  // namespace vdbq
