#pragma once

#include <cstdint>
#include <string_view>
#include <utility>

#include "core/memory/hash.h"
#include "core/memory/open_table.h"

namespace vdbq {

// A map from texts (views, which must outlive it) to numbers, for the indexes that reports
// build over hundreds of thousands of keys: an OpenTable whose slots hold their keys, so that
// building costs no allocation per key and a probe reads no other memory than the key's text.
// Offers the few operations the indexes use, spelled as the standard maps spell them.
class FlatViewMap {
 public:
  struct Slot {
    std::string_view first;
    uint32_t second = 0;
    uint32_t Tag = 0;  // 0 for a free slot, else part of the key's hash with the low bit set

    static uint32_t TagOf(uint64_t hash) { return static_cast<uint32_t>(hash >> 32) | 1U; }
    bool Taken() const { return Tag != 0; }
  };

  std::pair<Slot*, bool> try_emplace(std::string_view key, uint32_t value) {
    table_.MakeRoomForOne(HashOfSlot);
    const uint64_t hash = HashBytes(key);
    const auto [slot, added] = table_.Insert(hash, Holding{key});
    if (added) *slot = Slot{key, value, Slot::TagOf(hash)};
    return {slot, added};
  }
  std::pair<Slot*, bool> emplace(std::string_view key, uint32_t value) {
    return try_emplace(key, value);
  }
  const Slot* find(std::string_view key) const { return table_.Find(HashBytes(key), Holding{key}); }
  const Slot* end() const { return nullptr; }
  bool contains(std::string_view key) const { return find(key) != nullptr; }
  // Room for count keys without growing on the way.
  void reserve(size_t count) { table_.Reserve(count, HashOfSlot); }
  size_t size() const { return table_.Taken(); }

 private:
  static uint64_t HashOfSlot(const Slot& slot) { return HashBytes(slot.first); }
  struct Holding {
    std::string_view Key;
    bool operator()(const Slot& slot) const { return slot.first == Key; }
  };

  OpenTable<Slot> table_;
};

}  // namespace vdbq
