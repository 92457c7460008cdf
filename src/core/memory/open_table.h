#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "core/memory/huge_pages.h"
#include "core/memory/prefetch.h"

namespace vdbq {

// The one open-addressing hash table of the core: a power-of-two array of slots probed in a row
// from a key's home (its hash's low bits), at most half taken so that runs stay short. What a
// slot holds is the caller's choice, its Slot type offering
//   uint32_t Tag;                     a part of the key's hash; keys are compared only when
//                                     the tags agree
//   static uint32_t TagOf(uint64_t);  that part of a hash
//   bool Taken() const;               false for a value-initialised slot
// The table never reads a key: each probe is given holds(slot), whether a slot with the key's
// tag is the key's, so that a slot may hold its key or only say where the caller keeps it.
// Nothing iterates over the slots, so no answer depends on the hash.
template <typename Slot>
class OpenTable {
 public:
  // Frees every slot and makes room for `keys` keys.
  void Reset(size_t keys) {
    slots_.assign(SizeFor(keys, 16), Slot{});
    taken_ = 0;
  }
  size_t Taken() const { return taken_; }

  // The taken slot whose key is the one hashed, nullptr when there is none.
  template <typename Holds>
  const Slot* Find(uint64_t hash, Holds&& holds) const {
    if (slots_.empty()) return nullptr;
    const Slot& slot = slots_[IndexOf(hash, holds, hash & Mask())];
    return slot.Taken() ? &slot : nullptr;
  }

  // The key's slot, and whether it was free: then it counts as taken and the caller fills it,
  // tag included. The table must have room (Reset, Reserve or MakeRoomForOne).
  template <typename Holds>
  std::pair<Slot*, bool> Insert(uint64_t hash, Holds&& holds) {
    Slot& slot = slots_[IndexOf(hash, holds, hash & Mask())];
    if (slot.Taken()) return {&slot, false};
    ++taken_;
    return {&slot, true};
  }
  // A free slot for a key that may be there already, for a table that keeps every entry.
  Slot& AddSlot(uint64_t hash) {
    size_t at = hash & Mask();
    while (slots_[at].Taken()) at = (at + 1) & Mask();
    ++taken_;
    return slots_[at];
  }

  // For a table that grows as keys come: doubles the slots when one more key would take more
  // than half. hashOf(slot) gives a taken slot's hash again.
  template <typename HashOf>
  void MakeRoomForOne(HashOf&& hashOf) {
    if ((taken_ + 1) * 2 > slots_.size()) Rehash(std::max<size_t>(16, slots_.size() * 2), hashOf);
  }
  // Room for `keys` keys without growing on the way.
  template <typename HashOf>
  void Reserve(size_t keys, HashOf&& hashOf) {
    const size_t size = SizeFor(keys, slots_.size());
    if (size > slots_.size()) Rehash(size, hashOf);
  }

  // Asks for the home of a hash to be read from memory ahead of its probe.
  void PrefetchHome(uint64_t hash) const {
    if (!slots_.empty()) Prefetch(&slots_[hash & Mask()]);
  }

  // Calls visit(k, hashOf(k)) for k from 0 to count - 1 in order, key k + kAhead already hashed
  // and its home on the way from memory, so that the waits of a run of probes overlap.
  template <typename HashOf, typename Visit>
  void ForEachHashedAhead(size_t count, HashOf&& hashOf, Visit&& visit) const {
    constexpr size_t kAhead = 8;
    std::array<uint64_t, kAhead> hashes;
    for (size_t k = 0; k < std::min(kAhead, count); ++k) {
      hashes[k] = hashOf(k);
      PrefetchHome(hashes[k]);
    }
    for (size_t k = 0; k < count; ++k) {
      const uint64_t hash = hashes[k % kAhead];
      if (k + kAhead < count) {
        hashes[k % kAhead] = hashOf(k + kAhead);
        PrefetchHome(hashes[k % kAhead]);
      }
      visit(k, hash);
    }
  }

  // Finds keys 0 to count - 1 at once, for keys whose slots and key texts lie all over memory.
  // A batch is hashed and its homes fetched; then the first slot of each with its tag is found
  // and what that slot's key needs is fetched (Lookup::kKeyHops dependent steps) before any key
  // is compared; the next batch's own key bytes are fetched meanwhile. So each miss overlaps a
  // batch of others. Calls lookup.Found(k, slot or nullptr) for every key, in order. Lookup:
  //   const void* KeyBytes(size_t k)   where key k lies, fetched a batch ahead
  //   uint64_t HashOf(size_t k)
  //   bool Wanted(size_t k)            false: key k is not looked up (found as nullptr)
  //   void PrefetchKey(const Slot&, int hop)
  //   bool Holds(const Slot&, size_t k)
  //   void Found(size_t k, const Slot*)
  template <typename Lookup>
  void FindEach(size_t count, Lookup& lookup) const {
    constexpr size_t kBatch = 32;
    constexpr size_t kNone = SIZE_MAX;
    std::array<uint64_t, kBatch> hashes;
    std::array<size_t, kBatch> candidates;  // the first slot with the key's tag
    for (size_t first = 0; first < count; first += kBatch) {
      const size_t n = std::min(kBatch, count - first);
      for (size_t k = first + kBatch; k < std::min(first + 2 * kBatch, count); ++k) {
        Prefetch(lookup.KeyBytes(k));
      }
      for (size_t b = 0; b < n; ++b) {
        hashes[b] = lookup.HashOf(first + b);
        PrefetchHome(hashes[b]);
      }
      for (size_t b = 0; b < n; ++b) {
        candidates[b] = kNone;
        if (!lookup.Wanted(first + b) || slots_.empty()) continue;
        const uint32_t tag = Slot::TagOf(hashes[b]);
        for (size_t at = hashes[b] & Mask(); slots_[at].Taken(); at = (at + 1) & Mask()) {
          if (slots_[at].Tag == tag) {
            candidates[b] = at;
            lookup.PrefetchKey(slots_[at], 0);
            break;
          }
        }
      }
      for (int hop = 1; hop < Lookup::kKeyHops; ++hop) {
        for (size_t b = 0; b < n; ++b) {
          if (candidates[b] != kNone) lookup.PrefetchKey(slots_[candidates[b]], hop);
        }
      }
      for (size_t b = 0; b < n; ++b) {
        const Slot* found = nullptr;
        if (candidates[b] != kNone) {
          const Slot& slot = slots_[IndexOf(
              hashes[b], [&](const Slot& s) { return lookup.Holds(s, first + b); }, candidates[b])];
          if (slot.Taken()) found = &slot;
        }
        lookup.Found(first + b, found);
      }
    }
  }

  // Adds slots (AddSlot) a batch at a time: each batch's homes are fetched before any of them
  // is written, so that the cache misses of a fresh table overlap.
  class BatchedAdd {
   public:
    explicit BatchedAdd(OpenTable& table) : table_(table) {}
    ~BatchedAdd() { Flush(); }
    BatchedAdd(const BatchedAdd&) = delete;
    BatchedAdd& operator=(const BatchedAdd&) = delete;

    void Add(uint64_t hash, const Slot& slot) {
      PrefetchForWrite(&table_.slots_[hash & table_.Mask()]);
      pending_[count_++] = Pending{hash, slot};
      if (count_ == kBatch) Flush();
    }
    void Flush() {
      for (size_t b = 0; b < count_; ++b) table_.AddSlot(pending_[b].Hash) = pending_[b].Value;
      count_ = 0;
    }

   private:
    static constexpr size_t kBatch = 32;
    struct Pending {
      uint64_t Hash;
      Slot Value;
    };
    OpenTable& table_;
    std::array<Pending, kBatch> pending_;
    size_t count_ = 0;
  };

 private:
  static size_t SizeFor(size_t keys, size_t least) {
    size_t size = std::max<size_t>(least, 16);
    while (size < 2 * keys) size *= 2;
    return size;
  }
  size_t Mask() const { return slots_.size() - 1; }
  // From `at` in the run of hash's home on: the first taken slot with the key's tag that holds
  // it, else the free slot that ends the run.
  template <typename Holds>
  size_t IndexOf(uint64_t hash, Holds&& holds, size_t at) const {
    const uint32_t tag = Slot::TagOf(hash);
    for (;; at = (at + 1) & Mask()) {
      const Slot& slot = slots_[at];
      if (!slot.Taken() || (slot.Tag == tag && holds(slot))) return at;
    }
  }
  template <typename HashOf>
  void Rehash(size_t size, HashOf&& hashOf) {
    HugeVector<Slot> old(size, Slot{});
    old.swap(slots_);
    taken_ = 0;
    for (const Slot& slot : old) {
      if (slot.Taken()) AddSlot(hashOf(slot)) = slot;
    }
  }

  // Written fresh for every load: on huge pages a large table is mapped in a few steps.
  HugeVector<Slot> slots_;
  size_t taken_ = 0;
};

// A slot that keeps its key elsewhere: the high half of the key's hash and where the caller
// keeps the key (an index or an offset) plus one, 0 marking a free slot.
template <typename Index>
struct RefSlot {
  uint32_t Tag = 0;
  Index At = 0;

  static uint32_t TagOf(uint64_t hash) { return static_cast<uint32_t>(hash >> 32); }
  static RefSlot Of(uint64_t hash, Index ref) { return RefSlot{TagOf(hash), ref + 1}; }
  bool Taken() const { return At != 0; }
  Index Ref() const { return At - 1; }
};

}  // namespace vdbq
