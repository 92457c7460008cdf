#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

namespace vdbq {

// A map from texts (views, which must outlive it) to numbers, for the indexes that reports
// build over hundreds of thousands of keys: one array probed in a row instead of a node per
// key, so that building costs no allocation per key. Offers the few operations the indexes use,
// spelled as the standard maps spell them.
class FlatViewMap {
 public:
  struct Slot {
    std::string_view first;
    uint32_t second = 0;
    uint32_t tag = 0;  // 0 for a free slot, else part of the key's hash with the low bit set
  };

  FlatViewMap() : slots_(16) {}

  std::pair<Slot*, bool> try_emplace(std::string_view key, uint32_t value) {
    if ((size_ + 1) * 2 > slots_.size()) Grow();
    const uint64_t hash = Hash(key);
    Slot* slot = Probe(key, hash);
    if (slot->tag != 0) return {slot, false};
    *slot = Slot{key, value, TagOf(hash)};
    ++size_;
    return {slot, true};
  }
  std::pair<Slot*, bool> emplace(std::string_view key, uint32_t value) {
    return try_emplace(key, value);
  }
  const Slot* find(std::string_view key) const {
    const Slot* slot = const_cast<FlatViewMap*>(this)->Probe(key, Hash(key));
    return slot->tag != 0 ? slot : nullptr;
  }
  const Slot* end() const { return nullptr; }
  // Room for count keys without growing on the way.
  void reserve(size_t count) {
    size_t slots = slots_.size();
    while (slots < count * 2) slots *= 2;
    if (slots > slots_.size()) Rehash(slots);
  }
  bool contains(std::string_view key) const { return find(key) != nullptr; }
  size_t size() const { return size_; }

  static uint64_t Hash(std::string_view key) {
    uint64_t hash = 0x9E3779B97F4A7C15ULL ^ key.size();
    size_t at = 0;
    for (; at + 8 <= key.size(); at += 8) {
      uint64_t word;
      std::memcpy(&word, key.data() + at, 8);
      hash = (hash ^ word) * 0xBF58476D1CE4E5B9ULL;
      hash ^= hash >> 31;
    }
    uint64_t tail = 0;
    if (at < key.size()) std::memcpy(&tail, key.data() + at, key.size() - at);
    // Every bit of the key reaches the low bits, which pick the slot.
    hash ^= tail;
    hash = (hash ^ (hash >> 33)) * 0xFF51AFD7ED558CCDULL;
    hash = (hash ^ (hash >> 33)) * 0xC4CEB9FE1A85EC53ULL;
    return hash ^ (hash >> 33);
  }

 private:
  static uint32_t TagOf(uint64_t hash) { return static_cast<uint32_t>(hash >> 32) | 1U; }
  // The slot holding key, or the free slot where it would go. Keys are compared only when
  // their tags agree.
  Slot* Probe(std::string_view key, uint64_t hash) {
    const size_t mask = slots_.size() - 1;
    const uint32_t tag = TagOf(hash);
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
      Slot& slot = slots_[at];
      if (slot.tag == 0 || (slot.tag == tag && slot.first == key)) return &slot;
    }
  }
  void Grow() { Rehash(slots_.size() * 2); }
  void Rehash(size_t slots) {
    std::vector<Slot> old(slots);
    old.swap(slots_);
    for (const Slot& slot : old) {
      if (slot.tag != 0) *Probe(slot.first, Hash(slot.first)) = slot;
    }
  }

  std::vector<Slot> slots_;
  size_t size_ = 0;
};

}  // namespace vdbq
