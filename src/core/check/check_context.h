#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/check/finding.h"
#include "core/check/schedule_outline.h"
#include "core/extracts/extract_store.h"
#include "core/extracts/progress.h"
#include "core/forecast/civil_day.h"
#include "core/memory/flat_view_map.h"
#include "core/memory/hash.h"
#include "core/memory/huge_pages.h"
#include "core/memory/open_table.h"
#include "core/memory/prefetch.h"

namespace vdbq {

class ScheduleGraph;

// A definition of an object in its extract: key and line (from 0), in file order. The key
// points into the loaded extracts.
struct DefinitionAt {
  std::string_view Key;
  long long Line = 0;
};

// The findings of one rule family. The families run on different threads, each into its own
// list.
struct FindingList {
  std::vector<Finding> Items;

  // lineIndex counts from 0, as the line lists do; findings count from 1.
  void Add(const char* rule, ObjectKind kind, std::string key, const char* file,
           long long lineIndex, std::string message);
};

// The job definitions and their table of keys, read once for all families.
class JobTable {
 public:
  // The job definition lines' keys.
  HugeVector<DefinitionAt> Jobs;
  // For every definition the index of its key's first one.
  HugeVector<uint32_t> FirstOf;

  // Enters the keys of Jobs in order, filling FirstOf, and calls visit(job, first) for each
  // definition with its key's first one (itself for a new or empty key).
  template <typename Visit>
  void Enter(Visit&& visit) {
    table_.Reset(Jobs.size());
    FirstOf.resize(Jobs.size());
    table_.ForEachHashedAhead(
        Jobs.size(), [&](size_t job) { return HashBytes(Jobs[job].Key); },
        [&](size_t job, uint64_t hash) {
          const auto index = static_cast<uint32_t>(job);
          FirstOf[job] = index;
          if (!Jobs[job].Key.empty()) {
            const auto [slot, added] = table_.Insert(hash, Holding{*this, Jobs[job].Key});
            if (added) *slot = Slot::Of(hash, index);
            FirstOf[job] = slot->Ref();
          }
          visit(index, FirstOf[job]);
        });
  }
  // The first definition of a key; -1 when no job has it.
  long long Find(std::string_view key) const {
    const Slot* slot = table_.Find(HashBytes(key), Holding{*this, key});
    return slot == nullptr ? -1 : static_cast<long long>(slot->Ref());
  }
  // Find for keyOf(0) to keyOf(count - 1) into found[0..count), all at once: each lookup waits
  // for three reads from memory (slot, definition, key text), which then overlap.
  template <typename KeyOf>
  void FindEach(size_t count, KeyOf&& keyOf, long long* found) const {
    EachLookup<KeyOf> lookup{*this, keyOf, found};
    table_.FindEach(count, lookup);
  }

 private:
  using Slot = RefSlot<uint32_t>;
  struct Holding {
    const JobTable& Table;
    std::string_view Key;
    bool operator()(const Slot& slot) const { return Table.Jobs[slot.Ref()].Key == Key; }
  };
  template <typename KeyOf>
  struct EachLookup {
    static constexpr int kKeyHops = 2;  // the definition, then its key's text
    const JobTable& Table;
    KeyOf& KeyAt;
    long long* Results;
    const void* KeyBytes(size_t k) const { return KeyAt(k).data(); }
    uint64_t HashOf(size_t k) const { return HashBytes(KeyAt(k)); }
    bool Wanted(size_t) const { return true; }
    void PrefetchKey(const Slot& slot, int hop) const {
      const DefinitionAt& job = Table.Jobs[slot.Ref()];
      Prefetch(hop == 0 ? static_cast<const void*>(&job) : job.Key.data());
    }
    bool Holds(const Slot& slot, size_t k) const { return Table.Jobs[slot.Ref()].Key == KeyAt(k); }
    void Found(size_t k, const Slot* slot) const {
      Results[k] = slot == nullptr ? -1 : static_cast<long long>(slot->Ref());
    }
  };

  OpenTable<Slot> table_;
};

// What the rule families read.
struct CheckContext {
  const ExtractStore& Store;
  const vdbq::Catalogue& Catalogue;
  // Ticked by the families on the calling thread only.
  vdbq::Progress& Progress;
  // Every schedule definition, read once for all families.
  ScheduleOutlines Outlines;
  JobTable Jobs;
};

// The rule families, each one pass over what it reads.
// undefined-workstation, duplicate-definition: the jobs (which fill ctx.Jobs) and the rest.
void CheckJobDefinitions(const ExtractStore& store, const vdbq::Catalogue& catalogue,
                         JobTable& jobs, FindingList& findings);
void CheckDefinitions(const CheckContext& ctx, FindingList& findings);
// undefined-job, -calendar, -resource, -prompt. Marks in `scheduled` the first definition of
// every job that a schedule's job line names.
void CheckReferences(const CheckContext& ctx, std::vector<char>& scheduled, FindingList& findings);
// undefined-schedule, -job-in-schedule, cycles.
void CheckFollows(const CheckContext& ctx, const ScheduleGraph& graph, FindingList& findings);
// The lists the five usage reports build (J#5's and C#2's only when the catalogue holds none
// yet), gathered apart from the rest so that they can be read beside the other families.
struct UsageLists {
  std::optional<std::string> ScheduledJobs;
  std::optional<std::string> UsedCalendars;
  std::string Needs;
  std::string ParameterUses;
  std::string PromptUses;
};
UsageLists CollectUsageLists(const ExtractStore& store, const vdbq::Catalogue& catalogue);
// The five warnings. `scheduled` is what CheckReferences marked.
void CheckUsage(const CheckContext& ctx, UsageLists lists, const std::vector<char>& scheduled,
                FindingList& findings);

// never-runs, calendar-ends, unreadable-run-item, and undefined-calendar for a FREEDAYS
// calendar: the run days the forecast reads, counted from today.
void CheckRunDays(const vdbq::Catalogue& catalogue, const ExtractStore& store, DayNumber today,
                  FindingList& findings);

// A workstations-file line that defines a workstation, and the name it gives, as the
// catalogue reads them.
bool IsCpuNameLine(std::string_view line);
std::string_view CpuNameOf(std::string_view line);

// The name at the start of an ON or EXCEPT item, a calendar's unless it is a run-cycle word or
// a date. An item may add an offset after the name ("MONTHEND +2 DAYS", "MONTHEND-1").
inline std::string_view CalendarNameOfItem(std::string_view item) {
  return item.substr(0, item.find_first_of(" \t+-"));
}

// The calendars of the calendars extract as the catalogue reads them.
std::vector<DefinitionAt> CalendarDefinitions(const ExtractStore& store);
// The resources as the resource reports read them (workstation#name).
std::vector<DefinitionAt> ResourceDefinitions(const ExtractStore& store);
// The job definition lines' keys.
HugeVector<DefinitionAt> JobDefinitions(const ExtractStore& store);

}  // namespace vdbq
