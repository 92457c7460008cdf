#pragma once

#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/memory/prefetch.h"

namespace vdbq {

// The job listings sort the same keys on every run; the orders are worked out once per loaded
// jobs file and kept in the catalogue, which every refresh empties.

// The keys of a kept order, read from the jobs file of the store it was made from.
class JobKeyOrder {
 public:
  JobKeyOrder(const ExtractStore& store, const JobKeyList& sorted)
      : store_(store), sorted_(sorted) {}
  size_t size() const { return sorted_.Entries.size(); }
  std::string_view operator[](size_t k) const;
  // Asks for key k's bytes ahead of reading them: in name order the keys lie all over the
  // jobs text, and waiting for each in turn is most of a listing's time.
  void Prefetch(size_t k) const {
    if (k < size()) vdbq::Prefetch((*this)[k].data());
  }

 private:
  const ExtractStore& store_;
  const JobKeyList& sorted_;
};

// The key of every job header line in file order (JobKeyView's views into the jobs text).
HugeVector<std::string_view> JobKeysInFileOrder(const ExtractStore& store);
// Those keys packed, for the catalogue to keep; an empty list when one does not pack.
JobKeyList PackedJobKeys(const ExtractStore& store, const HugeVector<std::string_view>& keys);

// The key of every job header line, sorted.
JobKeyOrder JobKeysSortedByKey(const ExtractStore& store, const Catalogue& catalogue);

// The keys that hold "#", in the order of the sorted texts job name, "#", workstation.
JobKeyOrder JobKeysSortedByName(const ExtractStore& store, const Catalogue& catalogue);

}  // namespace vdbq
