#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/check/finding.h"
#include "core/extracts/huge_pages.h"
#include "core/check/schedule_outline.h"
#include "core/extracts/extract_store.h"
#include "core/reports/report_context.h"
#include "core/text/flat_view_map.h"

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

  // Makes room for the keys of Jobs.
  void Reserve() {
    size_t size = 16;
    while (size < 2 * Jobs.size()) size *= 2;
    slots_.assign(size, 0);
  }
  // Enters the key of Jobs[job] (not empty); gives the first definition of that key, which is
  // job itself for a new key.
  uint32_t Add(uint32_t job) { return Add(job, FlatViewMap::Hash(Jobs[job].Key)); }
  // The same with the key's hash (FlatViewMap::Hash) already taken.
  uint32_t Add(uint32_t job, uint64_t hash) {
    const std::string_view key = Jobs[job].Key;
    uint64_t& slot = Probe(key, hash);
    if (slot == 0) {
      slot = (hash & kTagMask) | (static_cast<uint64_t>(job) + 1);
      return job;
    }
    return static_cast<uint32_t>((slot & ~kTagMask) - 1);
  }
  // Asks for the slot of a hash to be read from memory ahead of its use.
  void Prefetch(uint64_t hash) const {
    if (!slots_.empty()) __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
  }
  // The first definition of a key; -1 when no job has it.
  long long Find(std::string_view key) const { return FindHashed(key, FlatViewMap::Hash(key)); }
  // Find for keyOf(0) to keyOf(count - 1) into found[0..count). Each lookup waits for three
  // reads from memory (slot, definition, key text); taken a few keys apart, their waits overlap.
  template <typename KeyOf>
  void FindEach(size_t count, KeyOf&& keyOf, long long* found) const {
    constexpr size_t kApart = 8;
    constexpr size_t kRing = 32;  // a power of two above 3 * kApart
    uint64_t hashes[kRing];
    for (size_t i = 0; i < count + 3 * kApart; ++i) {
      if (i < count) {
        const uint64_t hash = FlatViewMap::Hash(keyOf(i));
        hashes[i % kRing] = hash;
        if (!slots_.empty()) __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
      }
      for (size_t stage = 1; stage <= 2; ++stage) {
        if (i < stage * kApart || i - stage * kApart >= count || slots_.empty()) continue;
        const uint64_t hash = hashes[(i - stage * kApart) % kRing];
        const uint64_t slot = slots_[hash & (slots_.size() - 1)];
        if (slot == 0 || (slot & kTagMask) != (hash & kTagMask)) continue;
        const DefinitionAt& job = Jobs[(slot & ~kTagMask) - 1];
        if (stage == 1) {
          __builtin_prefetch(&job);
        } else {
          __builtin_prefetch(job.Key.data());
        }
      }
      if (i >= 3 * kApart) {
        const size_t k = i - 3 * kApart;
        found[k] = FindHashed(keyOf(k), hashes[k % kRing]);
      }
    }
  }

 private:
  // A slot holds the upper half of its key's hash and the index of its definition plus one;
  // keys are compared only when that half agrees.
  static constexpr uint64_t kTagMask = 0xFFFFFFFF00000000ULL;
  long long FindHashed(std::string_view key, uint64_t hash) const {
    if (slots_.empty()) return -1;
    const uint64_t slot = const_cast<JobTable*>(this)->Probe(key, hash);
    return slot == 0 ? -1 : static_cast<long long>((slot & ~kTagMask) - 1);
  }
  uint64_t& Probe(std::string_view key, uint64_t hash) {
    const size_t mask = slots_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
      uint64_t& slot = slots_[at];
      if (slot == 0) return slot;
      if ((slot & kTagMask) == (hash & kTagMask) && Jobs[(slot & ~kTagMask) - 1].Key == key) {
        return slot;
      }
    }
  }
  HugeVector<uint64_t> slots_;
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

// A workstations-file line that defines a workstation, and the name it gives, as the
// catalogue reads them.
bool IsCpuNameLine(std::string_view line);
std::string_view CpuNameOf(std::string_view line);

// The calendars of the calendars extract as the catalogue reads them.
std::vector<DefinitionAt> CalendarDefinitions(const ExtractStore& store);
// The resources as the resource reports read them (workstation#name).
std::vector<DefinitionAt> ResourceDefinitions(const ExtractStore& store);
// The job definition lines' keys.
HugeVector<DefinitionAt> JobDefinitions(const ExtractStore& store);

}  // namespace vdbq
