#include "core/reports/entry_runs.h"

#include <algorithm>
#include <deque>

#include "core/memory/flat_view_map.h"
#include "core/memory/hash.h"
#include "core/memory/open_table.h"
#include "core/memory/prefetch.h"
#include "core/text/byte_scan.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// Calls visit for every part of a comma-separated text, the empty ones included.
template <typename Visit>
void ForEachPart(std::string_view text, Visit&& visit) {
  for (;;) {
    const size_t comma = text.find(',');
    visit(text.substr(0, comma));
    if (comma == std::string_view::npos) return;
    text.remove_prefix(comma + 1);
  }
}

}  // namespace

EntryRuns::EntryRuns(std::string_view list, const std::vector<std::string>& texts) {
  Build(list, texts);
}

EntryRuns EntryRuns::OfViews(std::string_view list, const std::vector<std::string_view>& texts) {
  EntryRuns runs;
  runs.Build(list, texts);
  return runs;
}

template <typename Text>
void EntryRuns::Build(std::string_view list, const std::vector<Text>& texts) {
  std::vector<uint32_t> entries;
  size_t start = 0;
  for (size_t comma = list.find(','); comma != std::string_view::npos;
       comma = list.find(',', start)) {
    const std::string_view entry = list.substr(start, comma - start);
    entries.push_back(
        partIds_.try_emplace(entry, static_cast<uint32_t>(partIds_.size())).first->second);
    start = comma + 1;
  }
  for (std::string_view text : texts) {
    if (text.find(',') != std::string_view::npos) Insert(text);
  }
  Link();
  Match(entries);
}

uint32_t EntryRuns::Child(uint32_t node, uint32_t part) const {
  const auto found = nodes_[node].Next.find(part);
  return found == nodes_[node].Next.end() ? kNoNode : found->second;
}

void EntryRuns::Insert(std::string_view text) {
  if (textNodes_.contains(text)) return;
  uint32_t node = 0;
  bool possible = true;
  ForEachPart(text, [&](std::string_view part) {
    const auto id = partIds_.find(part);
    if (!possible || id == partIds_.end()) {
      // A part that is no entry can never be matched.
      possible = false;
      return;
    }
    uint32_t next = Child(node, id->second);
    if (next == kNoNode) {
      next = static_cast<uint32_t>(nodes_.size());
      nodes_[node].Next.emplace(id->second, next);
      nodes_.emplace_back();
    }
    node = next;
  });
  if (!possible) {
    textNodes_.emplace(text, kNoNode);
    return;
  }
  nodes_[node].EndsText = true;
  textNodes_.emplace(text, node);
}

void EntryRuns::Link() {
  std::deque<uint32_t> queue;
  for (const auto& [part, child] : nodes_[0].Next) queue.push_back(child);
  while (!queue.empty()) {
    const uint32_t node = queue.front();
    queue.pop_front();
    for (const auto& [part, child] : nodes_[node].Next) {
      uint32_t fail = nodes_[node].Fail;
      while (fail != 0 && Child(fail, part) == kNoNode) fail = nodes_[fail].Fail;
      const uint32_t target = Child(fail, part);
      nodes_[child].Fail = target != kNoNode && target != child ? target : 0;
      const Node& failNode = nodes_[nodes_[child].Fail];
      nodes_[child].Output = failNode.EndsText ? nodes_[child].Fail : failNode.Output;
      queue.push_back(child);
    }
  }
}

void EntryRuns::Match(const std::vector<uint32_t>& entries) {
  uint32_t state = 0;
  for (uint32_t part : entries) {
    while (state != 0 && Child(state, part) == kNoNode) state = nodes_[state].Fail;
    const uint32_t next = Child(state, part);
    if (next != kNoNode) state = next;
    // Every text that ends here is found; a node seen before has had its chain marked already.
    for (uint32_t node = nodes_[state].EndsText ? state : nodes_[state].Output;
         node != kNoNode && !nodes_[node].Seen; node = nodes_[node].Output) {
      nodes_[node].Seen = true;
    }
  }
}

bool EntryRuns::Holds(std::string_view text) const {
  if (text.find(',') == std::string_view::npos) return partIds_.contains(text);
  const auto found = textNodes_.find(text);
  return found != textNodes_.end() && found->second != kNoNode && nodes_[found->second].Seen;
}

namespace {

bool HoldsComma(std::string_view text) {
  return FindByteOf(text, 0, ',', ',') != std::string_view::npos;
}

// What FindEntries looks up: each text among the entries of the list.
template <typename Offset>
struct EntryLookup {
  using Slot = RefSlot<Offset>;
  static constexpr int kKeyHops = 1;
  std::string_view List;
  const std::vector<std::string_view>& Texts;
  std::vector<char> Answers;
  bool WithComma = false;

  const void* KeyBytes(size_t k) const { return Texts[k].data(); }
  uint64_t HashOf(size_t k) const { return HashBytes(Texts[k]); }
  // A text with a comma is never one entry (EntryRuns answers for it).
  bool Wanted(size_t k) {
    if (!HoldsComma(Texts[k])) return true;
    WithComma = true;
    return false;
  }
  void PrefetchKey(const Slot& slot, int) const { Prefetch(List.data() + slot.Ref()); }
  // Whether the entry at the slot's offset is the text: it ends with the comma after it.
  bool Holds(const Slot& slot, size_t k) const {
    const size_t at = slot.Ref();
    const std::string_view text = Texts[k];
    return List.size() - at > text.size() && List[at + text.size()] == ',' &&
           SameBytes(List.data() + at, text.data(), text.size());
  }
  void Found(size_t k, const Slot* slot) { Answers[k] = slot != nullptr ? 1 : 0; }
};

// EntriesAmong with entry offsets of type Offset: 32 bits halve the table for lists under 4 GB.
// One table over the entries, built once, each slot referring to its entry by offset; repeated
// entries get a slot each, any of them answering.
template <typename Offset>
std::vector<char> FindEntries(std::string_view list, const std::vector<std::string_view>& texts,
                              bool& withComma) {
  using Slot = RefSlot<Offset>;
  OpenTable<Slot> entries;
  entries.Reset(CountByte(list, ','));
  {
    typename OpenTable<Slot>::BatchedAdd adding(entries);
    size_t start = 0;
    ForEachByte(list, ',', [&](size_t comma) {
      const uint64_t hash = HashBytes(list.substr(start, comma - start));
      adding.Add(hash, Slot::Of(hash, static_cast<Offset>(start)));
      start = comma + 1;
    });
  }

  EntryLookup<Offset> lookup{list, texts, std::vector<char>(texts.size(), 0)};
  entries.FindEach(texts.size(), lookup);
  withComma = lookup.WithComma;
  return std::move(lookup.Answers);
}

}  // namespace

std::vector<char> EntriesAmong(std::string_view list, const std::vector<std::string_view>& texts,
                               bool* withComma) {
  bool anyComma = false;
  std::vector<char> found = list.size() < UINT32_MAX ? FindEntries<uint32_t>(list, texts, anyComma)
                                                     : FindEntries<uint64_t>(list, texts, anyComma);
  if (withComma != nullptr) *withComma = anyComma;
  return found;
}

}  // namespace vdbq
