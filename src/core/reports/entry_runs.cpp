#include "core/reports/entry_runs.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <deque>

#include "core/extracts/huge_pages.h"
#include "core/text/flat_view_map.h"
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

uint64_t CommaBits(const char* at) { return BytesEqualTo(at, ','); }

// Calls visit(at) for every comma of text, in order, eight bytes at a time: memchr per entry
// costs a call for every 20 bytes or so.
template <typename Visit>
void ForEachComma(std::string_view text, Visit&& visit) {
  size_t at = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; at + 8 <= text.size(); at += 8) {
      for (uint64_t bits = CommaBits(text.data() + at); bits != 0; bits &= bits - 1) {
        visit(at + static_cast<size_t>(std::countr_zero(bits) / 8));
      }
    }
  }
  for (; at < text.size(); ++at) {
    if (text[at] == ',') visit(at);
  }
}

size_t CountCommas(std::string_view text) {
  size_t count = 0;
  size_t at = 0;
  // The high bits brought down to the low ones and summed by a multiply: std::popcount is a
  // library call on processors the build does not assume.
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  for (; at + 8 <= text.size(); at += 8) {
    count += static_cast<size_t>(((CommaBits(text.data() + at) >> 7) * kOnes) >> 56);
  }
  for (; at < text.size(); ++at) count += text[at] == ',' ? 1 : 0;
  return count;
}

bool HoldsComma(std::string_view text) {
  return FindByteOf(text, 0, ',', ',') != std::string_view::npos;
}

uint64_t Load64(const char* at) {
  uint64_t word;
  std::memcpy(&word, at, 8);
  return word;
}

// Whether the size bytes at a and b are the same, compared a word at a time.
bool SameBytes(const char* a, const char* b, size_t size) {
  if (size < 8) {
    for (size_t at = 0; at < size; ++at) {
      if (a[at] != b[at]) return false;
    }
    return true;
  }
  for (size_t at = 0; at + 8 < size; at += 8) {
    if (Load64(a + at) != Load64(b + at)) return false;
  }
  return Load64(a + size - 8) == Load64(b + size - 8);
}

// A hash for the table below: whole words only, the last one overlapping the one before, so
// that no copy of a few bytes needs a call.
uint64_t HashText(std::string_view text) {
  auto load32 = [](const char* at) {
    uint32_t word;
    std::memcpy(&word, at, 4);
    return word;
  };
  const char* data = text.data();
  const size_t size = text.size();
  uint64_t hash = 0x9E3779B97F4A7C15ULL ^ size;
  if (size >= 8) {
    for (size_t at = 0; at + 8 < size; at += 8) {
      hash = (hash ^ Load64(data + at)) * 0xBF58476D1CE4E5B9ULL;
      hash ^= hash >> 31;
    }
    hash ^= Load64(data + size - 8);
  } else if (size >= 4) {
    hash ^= (uint64_t{load32(data)} << 32) | load32(data + size - 4);
  } else if (size > 0) {
    hash ^= (uint64_t{static_cast<unsigned char>(data[0])} << 16) |
            (uint64_t{static_cast<unsigned char>(data[size / 2])} << 8) |
            static_cast<unsigned char>(data[size - 1]);
  }
  hash = (hash ^ (hash >> 33)) * 0xFF51AFD7ED558CCDULL;
  hash = (hash ^ (hash >> 33)) * 0xC4CEB9FE1A85EC53ULL;
  return hash ^ (hash >> 33);
}

// EntriesAmong with entry offsets of type Offset: 32 bits halve the table for lists under 4 GB.
template <typename Offset>
std::vector<char> FindEntries(std::string_view list, const std::vector<std::string_view>& texts,
                              bool& withComma) {
  // One open-addressing table over the entries, built once. A slot holds the high half of the
  // entry's hash, so that a probe reads the list only for a likely match, and the entry's offset
  // plus one (0 marks a free slot). The table is written fresh in every run: on huge pages it is
  // mapped in a few steps rather than a page fault per 4 KB.
  struct Slot {
    uint32_t Tag;
    Offset At;
  };
  auto tagOf = [](uint64_t hash) { return static_cast<uint32_t>(hash >> 32); };
  const size_t entryCount = CountCommas(list);
  size_t size = 16;
  while (size < entryCount * 2) size *= 2;
  const size_t mask = size - 1;
  HugeVector<Slot> table(size, Slot{0, 0});

  // The slots are reached at random: each batch is hashed and its slots fetched before any of
  // them is used, so that the cache misses overlap.
  constexpr size_t kBatch = 32;
  struct Pending {
    uint64_t Hash;
    size_t At;
  };
  std::array<Pending, kBatch> batch;
  size_t pending = 0;
  auto insertBatch = [&] {
    for (size_t b = 0; b < pending; ++b) {
      size_t at = batch[b].Hash & mask;
      while (table[at].At != 0) at = (at + 1) & mask;
      table[at] = Slot{tagOf(batch[b].Hash), static_cast<Offset>(batch[b].At + 1)};
    }
    pending = 0;
  };
  size_t start = 0;
  ForEachComma(list, [&](size_t comma) {
    const uint64_t hash = HashText(list.substr(start, comma - start));
    __builtin_prefetch(&table[hash & mask], 1);
    batch[pending++] = Pending{hash, start};
    start = comma + 1;
    if (pending == kBatch) insertBatch();
  });
  insertBatch();

  // Whether the entry at `at` (an offset) is the text: it ends with the comma after it.
  auto isEntry = [list](size_t at, std::string_view text) {
    return list.size() - at > text.size() && list[at + text.size()] == ',' &&
           SameBytes(list.data() + at, text.data(), text.size());
  };
  std::vector<char> found(texts.size(), 0);
  // Per text of a batch: its hash, then the slot of its first likely match (size when none).
  std::array<uint64_t, kBatch> hashes;
  std::array<size_t, kBatch> candidates;
  for (size_t first = 0; first < texts.size(); first += kBatch) {
    const size_t n = std::min(kBatch, texts.size() - first);
    // The texts' bytes lie anywhere; the next batch's are fetched while this one is probed.
    for (size_t b = first + kBatch; b < std::min(first + 2 * kBatch, texts.size()); ++b) {
      __builtin_prefetch(texts[b].data());
    }
    for (size_t b = 0; b < n; ++b) {
      hashes[b] = HashText(texts[first + b]);
      __builtin_prefetch(&table[hashes[b] & mask]);
    }
    for (size_t b = 0; b < n; ++b) {
      candidates[b] = size;
      if (HoldsComma(texts[first + b])) {
        withComma = true;
        continue;
      }
      const uint32_t tag = tagOf(hashes[b]);
      for (size_t at = hashes[b] & mask; table[at].At != 0; at = (at + 1) & mask) {
        if (table[at].Tag == tag) {
          candidates[b] = at;
          __builtin_prefetch(list.data() + table[at].At - 1);
          break;
        }
      }
    }
    for (size_t b = 0; b < n; ++b) {
      if (candidates[b] == size) continue;
      const std::string_view text = texts[first + b];
      const uint32_t tag = tagOf(hashes[b]);
      for (size_t at = candidates[b]; table[at].At != 0; at = (at + 1) & mask) {
        if (table[at].Tag == tag && isEntry(table[at].At - 1, text)) {
          found[first + b] = 1;
          break;
        }
      }
    }
  }
  return found;
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
