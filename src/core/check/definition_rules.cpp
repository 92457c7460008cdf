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
      if (!IsCpuNameLine(line)) continue;
      const std::string_view name = CpuNameOf(line);
      odd_ = odd_ || name.find_first_of("@:") != std::string_view::npos;
      names_.insert(name);
    }
  }

  bool Defined(std::string_view workstation) {
    if (names_.contains(workstation)) return true;
    if (!odd_ && workstation.find_first_of("@:") == std::string_view::npos) return false;
    const auto known = slow_.find(workstation);
    if (known != slow_.end()) return known->second;
    return slow_[workstation] = catalogue_.IsDefinedCpu(workstation);
  }

 private:
  const Catalogue& catalogue_;
  std::unordered_set<std::string_view> names_;
  std::unordered_map<std::string_view, bool> slow_;
  bool odd_ = false;
};

void CheckWorkstationOf(CheckContext& ctx, WorkstationTest& test, const char* kind,
                        std::string_view key, const char* file, long long line) {
  const size_t hash = key.find('#');
  // Keys without "#" have no workstation; the catalogue leaves them out altogether.
  if (hash == std::string_view::npos) return;
  const std::string_view workstation = key.substr(0, hash);
  if (test.Defined(workstation)) return;
  ctx.Add("undefined-workstation", kind, std::string(key), file, line,
          "Workstation " + std::string(workstation) + " is not defined in " + kCpusFile);
}

void AddDuplicate(CheckContext& ctx, const char* kind, const char* file, std::string_view key,
                  long long line, long long firstLine) {
  ctx.Add("duplicate-definition", kind, std::string(key), file, line,
          std::string(1, static_cast<char>(std::toupper(kind[0]))) + (kind + 1) + " " +
              std::string(key) + " is defined again; its first definition is on line " +
              std::to_string(firstLine + 1));
}

// Adds a finding for every definition of a key after its first one.
class DuplicateTest {
 public:
  DuplicateTest(CheckContext& ctx, const char* kind, const char* file, size_t expected)
      : ctx_(ctx), kind_(kind), file_(file) {
    firstLine_.reserve(expected);
  }

  // The key must outlive the test.
  void See(std::string_view key, long long line) {
    ctx_.Progress.Tick();
    const auto [first, isNew] = firstLine_.emplace(key, line);
    if (!isNew) AddDuplicate(ctx_, kind_, file_, key, line, first->second);
  }

 private:
  CheckContext& ctx_;
  const char* kind_;
  const char* file_;
  std::unordered_map<std::string_view, long long> firstLine_;
};

}  // namespace

bool IsCpuNameLine(std::string_view line) {
  return StartsWith(UpperCase(TrimmedView(line).substr(0, 7)), "CPUNAME");
}

std::string_view CpuNameOf(std::string_view line) { return line.size() > 8 ? line.substr(8) : ""; }

void CheckDefinitions(CheckContext& ctx) {
  const ExtractStore& store = ctx.Store;
  WorkstationTest workstations(ctx);

  DuplicateTest cpus(ctx, kKindWorkstation, kCpusFile, 0);
  for (long long i = 0; i < store.CpuLines.Count(); ++i) {
    const std::string_view line = store.CpuLines.At(i);
    if (IsCpuNameLine(line)) cpus.See(CpuNameOf(line), i);
  }

  DuplicateTest schedules(ctx, kKindSchedule, kSchedulesFile, ctx.Outlines.size());
  for (const ScheduleOutline& outline : ctx.Outlines) {
    CheckWorkstationOf(ctx, workstations, kKindSchedule, outline.CatalogueKey, kSchedulesFile,
                       outline.Line);
    schedules.See(outline.Key, outline.Line);
  }

  // The jobs' table of keys serves the other families too.
  ctx.JobByKey.reserve(ctx.Jobs.size());
  ctx.FirstJobOf.resize(ctx.Jobs.size());
  for (size_t j = 0; j < ctx.Jobs.size(); ++j) {
    ctx.Progress.Tick();
    const DefinitionAt& job = ctx.Jobs[j];
    CheckWorkstationOf(ctx, workstations, kKindJob, job.Key, kJobsFile, job.Line);
    ctx.FirstJobOf[j] = j;
    if (job.Key.empty()) continue;
    const auto [first, isNew] = ctx.JobByKey.emplace(job.Key, j);
    ctx.FirstJobOf[j] = first->second;
    if (!isNew) {
      AddDuplicate(ctx, kKindJob, kJobsFile, job.Key, job.Line, ctx.Jobs[first->second].Line);
    }
  }

  const std::vector<DefinitionAt> resourceList = ResourceDefinitions(store);
  DuplicateTest resources(ctx, kKindResource, kResourcesFile, resourceList.size());
  for (const DefinitionAt& resource : resourceList) {
    CheckWorkstationOf(ctx, workstations, kKindResource, resource.Key, kResourcesFile,
                       resource.Line);
    resources.See(resource.Key, resource.Line);
  }

  const std::vector<DefinitionAt> calendarList = CalendarDefinitions(store);
  DuplicateTest calendars(ctx, kKindCalendar, kCalendarsFile, calendarList.size());
  for (const DefinitionAt& calendar : calendarList) {
    calendars.See(calendar.Key, calendar.Line);
  }

  DuplicateTest parameters(ctx, kKindParameter, kParmsFile, store.ParameterList.size());
  for (const NameValue& row : store.ParameterList) {
    if (!row.Name.empty()) parameters.See(row.Name, row.Line);
  }
  DuplicateTest prompts(ctx, kKindPrompt, kPromptsFile, store.PromptList.size());
  for (const NameValue& row : store.PromptList) {
    if (!row.Name.empty()) prompts.See(row.Name, row.Line);
  }
}

}  // namespace vdbq
