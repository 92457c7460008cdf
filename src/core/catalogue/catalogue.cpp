#include "core/catalogue/catalogue.h"

#include <unordered_set>

#include "core/catalogue/job_line_order.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

constexpr size_t kCpuOsEntryLength = 16;

std::string NormalisedOs(const std::string& osText) {
  if (osText == "WNT" || osText == "WINT") return "WNT";
  if (osText == "OTHER" || osText == "MPIX" || osText == "MPEV") return osText;
  return "UNIX";
}

TreeNode& AddNode(std::pmr::vector<TreeNode>& siblings, std::string_view caption,
                  PicturePair pictures) {
  return siblings.emplace_back(caption, pictures);
}

void BuildWorkstations(const ExtractStore& store, Catalogue& catalogue) {
  TreeNode& heading = AddNode(catalogue.Tree, kHeadingWorkstations, {0, 1});
  std::string_view currentCpu;
  for (std::string_view line : store.CpuLines) {
    const std::string trimmed = UpperCase(TrimBlanks(line));
    if (StartsWith(trimmed, "CPUNAME")) {
      currentCpu = CopyView(line, 9, static_cast<long long>(line.size()));
      AddNode(heading.Children, currentCpu, {6, 7});
      ++catalogue.Totals.CpuTotal;
      catalogue.ValidCpuList.append(currentCpu).append("@:@");
    } else if (StartsWith(trimmed, "OS ")) {
      catalogue.CpuOsTable.push_back(
          CpuOsEntry{std::string(currentCpu.substr(0, kCpuOsEntryLength)),
                     NormalisedOs(UpperCase(CopyFrom(line, 4))).substr(0, kCpuOsEntryLength)});
    }
  }
}

constexpr std::string_view kCpuDelimiter = "@:@";

// Answers IsDefinedCpu for the many workstations of the schedule and job keys without
// searching ValidCpuList once for each. A name without the delimiter in it is defined exactly
// when it stands between two delimiters of the list with no whole delimiter inside: between a
// delimiter and the first one that starts at least three characters further on, or the one two
// characters after that (where delimiters overlap). Those texts are gathered once. A name that
// holds the delimiter can only be defined when each of its parts is such a text; only then is
// the list searched.
class DefinedCpuLookup {
 public:
  explicit DefinedCpuLookup(const Catalogue& catalogue) : catalogue_(catalogue) {
    const std::string_view list = catalogue.ValidCpuList;
    std::vector<size_t> delimiters;
    for (size_t at = list.find(kCpuDelimiter); at != std::string_view::npos;
         at = list.find(kCpuDelimiter, at + 1)) {
      delimiters.push_back(at);
    }
    size_t next = 0;
    for (size_t d : delimiters) {
      while (next < delimiters.size() && delimiters[next] < d + kCpuDelimiter.size()) ++next;
      if (next == delimiters.size()) break;
      const size_t end = delimiters[next];
      bounded_.insert(list.substr(d + kCpuDelimiter.size(), end - d - kCpuDelimiter.size()));
      if (next + 1 < delimiters.size() && delimiters[next + 1] == end + 2) {
        bounded_.insert(list.substr(d + kCpuDelimiter.size(), end + 2 - d - kCpuDelimiter.size()));
      }
    }
  }

  bool IsDefined(std::string_view cpu) const {
    size_t from = 0;
    for (size_t at = cpu.find(kCpuDelimiter); at != std::string_view::npos;
         at = cpu.find(kCpuDelimiter, from)) {
      if (!bounded_.contains(cpu.substr(from, at - from))) return false;
      from = at + kCpuDelimiter.size();
    }
    if (!bounded_.contains(cpu.substr(from))) return false;
    return from == 0 || catalogue_.IsDefinedCpu(cpu);
  }

 private:
  const Catalogue& catalogue_;
  std::unordered_set<std::string_view> bounded_;
};

// Where the first "#" of a key stands. Keys are short: a plain loop beats a library call.
size_t FirstHash(std::string_view key) {
  for (size_t i = 0; i < key.size(); ++i) {
    if (key[i] == '#') return i;
  }
  return std::string_view::npos;
}

struct KeyHeading {
  TreeNode& Heading;
  PicturePair CpuPictures;
  PicturePair ObjectPictures;
};

// Adds WORKSTATION#NAME keys under a heading for the defined workstations and one for the
// others, grouping each run of consecutive keys of one workstation under one workstation node.
// Keys without "#" are left out and do not end a run.
template <typename Keys>
void AddKeysByWorkstation(const Keys& keys, const DefinedCpuLookup& defined,
                          const KeyHeading& valid, const KeyHeading& invalid) {
  size_t k = 0;
  while (k < keys.size()) {
    const size_t hash = FirstHash(keys[k]);
    if (hash == std::string_view::npos) {
      ++k;
      continue;
    }
    const std::string_view cpu = keys[k].substr(0, hash);
    // A later key is of this workstation when it starts with it and a "#": the workstation
    // holds no "#", so that is the key's first.
    auto sameCpu = [cpu](std::string_view key) {
      return key.size() > cpu.size() && key[cpu.size()] == '#' && key.starts_with(cpu);
    };
    size_t end = k + 1;
    size_t count = 1;
    for (; end < keys.size(); ++end) {
      if (sameCpu(keys[end])) {
        ++count;
      } else if (FirstHash(keys[end]) != std::string_view::npos) {
        break;
      }
    }
    const KeyHeading& heading = defined.IsDefined(cpu) ? valid : invalid;
    TreeNode& cpuNode = AddNode(heading.Heading.Children, cpu, heading.CpuPictures);
    cpuNode.Children.reserve(count);
    for (; k < end; ++k) {
      if (sameCpu(keys[k])) {
        AddNode(cpuNode.Children, keys[k].substr(cpu.size() + 1), heading.ObjectPictures);
      }
    }
  }
}

void BuildCalendars(const ExtractStore& store, Catalogue& catalogue) {
  TreeNode& heading = AddNode(catalogue.Tree, kHeadingCalendars, {14, 15});
  const LineList& lines = store.CalendarLines;
  for (long long i = 1; i < lines.Count(); ++i) {
    std::string_view line = lines.At(i);
    if (line.empty() || StartsWith(line, "  ")) continue;
    ++catalogue.Totals.CalendarTotal;
    const std::string_view name = CopyView(line, 1, Find("\"", line) - 2);
    catalogue.CalendarNameList.append(name).append(",");
    AddNode(heading.Children, name, {14, 15});
  }
}

void BuildNamedRows(const std::vector<NameValue>& rows, long long lastLine, const char* caption,
                    PicturePair pictures, Catalogue& catalogue) {
  TreeNode& heading = AddNode(catalogue.Tree, caption, pictures);
  for (long long i = 0; i < lastLine && i < static_cast<long long>(rows.size()); ++i) {
    const std::string& name = rows[static_cast<size_t>(i)].Name;
    if (!name.empty()) AddNode(heading.Children, name, pictures);
  }
}

void BuildResources(const ExtractStore& store, Catalogue& catalogue) {
  TreeNode& heading = AddNode(catalogue.Tree, kHeadingResources, {8, 9});
  for (long long i = 0; i <= store.ResourceLastLine; ++i) {
    std::string_view line = store.ResourceLines.At(i);
    if (line.empty() || StartsWith(line, "$RESOURCE")) continue;
    long long p = Find("   ", line);
    if (p == 0) p = Find("  ", line);
    AddNode(heading.Children, CopyView(line, 1, p - 2), {8, 9});
  }
}

}  // namespace

bool Catalogue::IsDefinedCpu(std::string_view cpu) const {
  std::string marked = "@:@";
  marked.append(cpu);
  marked += "@:@";
  return FindText(ValidCpuList, marked) != std::string::npos;
}

std::string Catalogue::OsOfCpu(std::string_view cpu) const {
  for (const CpuOsEntry& entry : CpuOsTable) {
    if (entry.Cpu == cpu) return entry.Os;
  }
  return {};
}

bool IsJobDefinitionLine(std::string_view line) {
  return !StartsWith(line, "     ") && line.find('#') != std::string_view::npos;
}

std::string JobKeyOfLine(std::string_view line) { return std::string(JobKeyView(line)); }

std::string_view JobKeyView(std::string_view line) {
  if (!IsJobDefinitionLine(line)) return {};
  const size_t blank = line.find(' ');
  return blank == std::string_view::npos ? std::string_view() : line.substr(0, blank);
}

void Catalogue::ClearTree() { std::pmr::vector<TreeNode>(Arena.get()).swap(Tree); }

namespace {

// Room for the whole tree: a node for every object, and some for the workstations over them.
size_t TreeBytes(const ExtractStore& store, size_t keyCount) {
  const size_t objects = keyCount + static_cast<size_t>(store.CpuLines.Count()) +
                         static_cast<size_t>(store.CalendarLines.Count()) +
                         store.ParameterList.size() + store.PromptList.size() +
                         static_cast<size_t>(store.ResourceLines.Count());
  return (objects + objects / 8 + 64) * sizeof(TreeNode);
}

}  // namespace

void BuildCatalogue(ExtractStore& store, Catalogue& catalogue) {
  catalogue.ClearTree();
  catalogue.Graph.reset();
  catalogue.RunDays.reset();
  catalogue.Totals.CpuTotal = 0;
  catalogue.ValidCpuList = "@:@";
  catalogue.CpuOsTable.clear();

  const std::vector<std::string_view> scheduleKeys = IndexSchedules(store);
  const HugeVector<std::string_view> jobKeys = JobKeysInFileOrder(store);
  catalogue.Totals.JobTotal = static_cast<long long>(jobKeys.size());
  catalogue.JobLinesInFileOrder = PackedJobKeys(store, jobKeys);
  catalogue.Arena->Reset(TreeBytes(store, scheduleKeys.size() + jobKeys.size()));

  // Room for the nine headings, so that a heading's node stays where it is as more are added.
  catalogue.Tree.reserve(9);
  BuildWorkstations(store, catalogue);
  const DefinedCpuLookup defined(catalogue);
  TreeNode& schedules = AddNode(catalogue.Tree, kHeadingSchedules, {2, 3});
  TreeNode& invalidSchedules = AddNode(catalogue.Tree, kHeadingSchedulesInvalid, {16, 17});
  AddKeysByWorkstation(scheduleKeys, defined, {schedules, {6, 7}, {2, 3}},
                       {invalidSchedules, {20, 21}, {16, 17}});
  TreeNode& jobs = AddNode(catalogue.Tree, kHeadingJobs, {4, 5});
  TreeNode& invalidJobs = AddNode(catalogue.Tree, kHeadingJobsInvalid, {18, 19});
  AddKeysByWorkstation(jobKeys, defined, {jobs, {6, 7}, {4, 5}}, {invalidJobs, {20, 21}, {18, 19}});

  catalogue.Totals.CalendarTotal = 0;
  BuildCalendars(store, catalogue);
  BuildNamedRows(store.ParameterList, store.ParameterLastLine, kHeadingParameters, {12, 13},
                 catalogue);
  BuildNamedRows(store.PromptList, store.PromptLastLine, kHeadingPrompts, {10, 11}, catalogue);
  BuildResources(store, catalogue);

  catalogue.Totals.ScheduleBlockCount = store.ScheduleBlockCount;
  catalogue.Totals.ParameterTotal = store.ParameterTotal;
  catalogue.Totals.PromptTotal = store.PromptTotal;
  catalogue.Totals.ResourceTotal = store.ResourceTotal;
}

std::string RefreshCatalogue(const std::string& databaseDir, ExtractStore& store,
                             Catalogue& catalogue) {
  catalogue.CalendarNameList.clear();
  catalogue.ScheduledJobList.reset();
  catalogue.UsedCalendarList.reset();
  catalogue.Graph.reset();
  catalogue.RunDays.reset();
  catalogue.JobLinesByKey.reset();
  catalogue.JobLinesByName.reset();
  catalogue.JobLinesInFileOrder = JobKeyList{};
  catalogue.ClearTree();
  LoadExtracts(databaseDir, store);
  if (store.ExtractsMissing) return kExtractsNotFound;
  BuildCatalogue(store, catalogue);
  return kReady;
}

}  // namespace vdbq
