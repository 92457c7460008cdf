#include "core/reports/entry_runs.h"

#include <algorithm>
#include <deque>

#include "core/text/flat_view_map.h"

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

std::vector<char> EntriesAmong(std::string_view list, const std::vector<std::string_view>& texts) {
  struct Hashed {
    uint64_t Hash;
    std::string_view Text;
    uint32_t Index;
  };
  constexpr int kPartitionBits = 8;
  constexpr size_t kPartitions = size_t{1} << kPartitionBits;
  auto partitionOf = [](uint64_t hash) {
    return static_cast<size_t>(hash >> (64 - kPartitionBits));
  };
  // Entries and texts, each placed by the top bits of its hash.
  auto place = [&](const std::vector<Hashed>& items, std::vector<size_t>& starts) {
    std::vector<Hashed> placed(items.size());
    starts.assign(kPartitions + 1, 0);
    for (const Hashed& item : items) ++starts[partitionOf(item.Hash) + 1];
    for (size_t p = 0; p < kPartitions; ++p) starts[p + 1] += starts[p];
    std::vector<size_t> at(starts.begin(), starts.end() - 1);
    for (const Hashed& item : items) placed[at[partitionOf(item.Hash)]++] = item;
    return placed;
  };
  std::vector<Hashed> items;
  items.reserve(static_cast<size_t>(std::count(list.begin(), list.end(), ',')));
  size_t start = 0;
  for (size_t comma = list.find(','); comma != std::string_view::npos;
       comma = list.find(',', start)) {
    const std::string_view entry = list.substr(start, comma - start);
    items.push_back(Hashed{FlatViewMap::Hash(entry), entry, 0});
    start = comma + 1;
  }
  std::vector<size_t> entryStarts;
  const std::vector<Hashed> entries = place(items, entryStarts);
  // Only one unplaced array is held at a time: the lists can be hundreds of thousands long.
  std::vector<Hashed>().swap(items);
  items.reserve(texts.size());
  for (size_t k = 0; k < texts.size(); ++k) {
    if (texts[k].find(',') != std::string_view::npos) continue;
    items.push_back(Hashed{FlatViewMap::Hash(texts[k]), texts[k], static_cast<uint32_t>(k)});
  }
  std::vector<size_t> textStarts;
  const std::vector<Hashed> asked = place(items, textStarts);
  std::vector<Hashed>().swap(items);

  std::vector<char> found(texts.size(), 0);
  std::vector<uint32_t> table;
  for (size_t p = 0; p < kPartitions; ++p) {
    const size_t entryCount = entryStarts[p + 1] - entryStarts[p];
    if (entryCount == 0 || textStarts[p + 1] == textStarts[p]) continue;
    size_t size = 16;
    while (size < entryCount * 2) size *= 2;
    const size_t mask = size - 1;
    // Slot values are entry positions plus one; 0 is a free slot.
    table.assign(size, 0);
    for (size_t e = entryStarts[p]; e < entryStarts[p + 1]; ++e) {
      size_t at = entries[e].Hash & mask;
      while (table[at] != 0) at = (at + 1) & mask;
      table[at] = static_cast<uint32_t>(e + 1);
    }
    for (size_t t = textStarts[p]; t < textStarts[p + 1]; ++t) {
      const Hashed& text = asked[t];
      for (size_t at = text.Hash & mask; table[at] != 0; at = (at + 1) & mask) {
        const Hashed& entry = entries[table[at] - 1];
        if (entry.Hash == text.Hash && entry.Text == text.Text) {
          found[text.Index] = 1;
          break;
        }
      }
    }
  }
  return found;
}

}  // namespace vdbq
